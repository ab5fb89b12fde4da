# Sources of the process train window: list(APPEND QUORVEL_UI_SOURCES ...).
list(APPEND QUORVEL_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/TrainStageForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrainStageForm.h
    ${CMAKE_CURRENT_LIST_DIR}/TrainWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrainWindowFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrainWindow.h)
list(APPEND QUORVEL_UI_LIBRARIES quorvel_report quorvel_engine)
