# Sources of the main window, its menu, its entry panel and their helpers: list(APPEND QUORVEL_UI_SOURCES ...), list(APPEND QUORVEL_UI_LIBRARIES ...).
list(APPEND QUORVEL_UI_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ActivationTracker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ActivationTracker.h
  ${CMAKE_CURRENT_LIST_DIR}/CarbonBands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CarbonBands.h
  ${CMAKE_CURRENT_LIST_DIR}/EntryConversion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryConversion.h
  ${CMAKE_CURRENT_LIST_DIR}/ExportActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExportActions.h
  ${CMAKE_CURRENT_LIST_DIR}/LayoutRule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayoutRule.h
  ${CMAKE_CURRENT_LIST_DIR}/PlantSettings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PlantSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintedPageOrder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintedPageOrder.h
  ${CMAKE_CURRENT_LIST_DIR}/MemoViewState.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoViewState.h
  ${CMAKE_CURRENT_LIST_DIR}/ParameterEntry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ParameterEntry.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramSettings.h
  ${CMAKE_CURRENT_LIST_DIR}/RememberedOption.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RememberedOption.h
  ${CMAKE_CURRENT_LIST_DIR}/RadioGroup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadoutFigures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadoutFigures.h
  ${CMAKE_CURRENT_LIST_DIR}/RadioGroup.h
  ${CMAKE_CURRENT_LIST_DIR}/TablePrinter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TablePrinter.h
  ${CMAKE_CURRENT_LIST_DIR}/EntryPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryPanel.h
  ${CMAKE_CURRENT_LIST_DIR}/MainMenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainMenu.h
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindowCommands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.h
)
list(APPEND QUORVEL_UI_LIBRARIES quorvel_views quorvel_chart_widget quorvel_report quorvel_engine)
