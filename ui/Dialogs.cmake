# Sources of the feed dialog, the About box, the help viewer and the process train window: list(APPEND QUORVEL_UI_SOURCES ...).
list(APPEND QUORVEL_UI_SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/FeedFieldParser.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/FeedFieldParser.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TDataForm.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TDataForm.h
    ${CMAKE_CURRENT_SOURCE_DIR}/JpegPicture.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/JpegPicture.h
    ${CMAKE_CURRENT_SOURCE_DIR}/AboutPicture.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/AboutPicture.h
    ${CMAKE_CURRENT_SOURCE_DIR}/AboutPicture.qrc
    ${CMAKE_CURRENT_SOURCE_DIR}/AlignedValueLabel.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/AlignedValueLabel.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TAboutBox.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TAboutBox.h
    ${CMAKE_CURRENT_SOURCE_DIR}/HelpViewer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/HelpViewer.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TrainStageForm.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TrainStageForm.h
    ${CMAKE_CURRENT_SOURCE_DIR}/TrainWindow.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TrainWindow.h)
list(APPEND QUORVEL_UI_LIBRARIES quorvel_engine JPEG::JPEG)
