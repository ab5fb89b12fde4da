# Sources of the main window: list(APPEND QUORVEL_UI_SOURCES ...), list(APPEND QUORVEL_UI_LIBRARIES ...).
list(APPEND QUORVEL_UI_SOURCES
  ${CMAKE_CURRENT_SOURCE_DIR}/ActivationTracker.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ActivationTracker.h
  ${CMAKE_CURRENT_SOURCE_DIR}/CarbonBands.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/CarbonBands.h
  ${CMAKE_CURRENT_SOURCE_DIR}/CarbonLimitWindow.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/CarbonLimitWindow.h
  ${CMAKE_CURRENT_SOURCE_DIR}/CarbonOptions.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/CarbonOptions.h
  ${CMAKE_CURRENT_SOURCE_DIR}/CenteredMessageBox.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/CenteredMessageBox.h
  ${CMAKE_CURRENT_SOURCE_DIR}/EntryConversion.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/EntryConversion.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ExportActions.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ExportActions.h
  ${CMAKE_CURRENT_SOURCE_DIR}/LayoutRule.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LayoutRule.h
  ${CMAKE_CURRENT_SOURCE_DIR}/OptionsMenu.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/OptionsMenu.h
  ${CMAKE_CURRENT_SOURCE_DIR}/PrintedPageOrder.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/PrintedPageOrder.h
  ${CMAKE_CURRENT_SOURCE_DIR}/MemoViewState.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MemoViewState.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ParameterEntry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ParameterEntry.h
  ${CMAKE_CURRENT_SOURCE_DIR}/ProgramSettings.h
  ${CMAKE_CURRENT_SOURCE_DIR}/RadioGroup.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ReadoutFigures.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ReadoutFigures.h
  ${CMAKE_CURRENT_SOURCE_DIR}/RadioGroup.h
  ${CMAKE_CURRENT_SOURCE_DIR}/TablePrinter.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/TablePrinter.h
  ${CMAKE_CURRENT_SOURCE_DIR}/TMainForm.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/TMainForm.h
)
list(APPEND QUORVEL_UI_LIBRARIES quorvel_sweep_chart quorvel_report quorvel_chart quorvel_engine)
