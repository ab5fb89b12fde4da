# Sources of the dialogs: the feed dialog, the About box, the help viewer, the carbon-limit
# window, the goal seek dialog, the sweep range dialog, the map window, the centred message box and their shared parts:
# list(APPEND QUORVEL_UI_SOURCES ...).
list(APPEND QUORVEL_UI_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ApproachReadBackWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ApproachReadBackWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/CarbonLimitWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CarbonLimitWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/CenteredMessageBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CenteredMessageBox.h
    ${CMAKE_CURRENT_LIST_DIR}/DialogParts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogParts.h
    ${CMAKE_CURRENT_LIST_DIR}/FeedFieldParser.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FeedFieldParser.h
    ${CMAKE_CURRENT_LIST_DIR}/GoalSeekDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GoalSeekDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/MapWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/SweepRangeDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SweepRangeDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/TDataForm.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TDataForm.h
    ${CMAKE_CURRENT_LIST_DIR}/ValuePairDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ValuePairDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/JpegPicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JpegPicture.h
    ${CMAKE_CURRENT_LIST_DIR}/AboutPicture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AboutPicture.h
    ${CMAKE_CURRENT_LIST_DIR}/AboutPicture.qrc
    ${CMAKE_CURRENT_LIST_DIR}/AlignedValueLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AlignedValueLabel.h
    ${CMAKE_CURRENT_LIST_DIR}/TAboutBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TAboutBox.h
    ${CMAKE_CURRENT_LIST_DIR}/HelpViewer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpViewer.h)
list(APPEND QUORVEL_UI_LIBRARIES quorvel_report quorvel_views quorvel_engine JPEG::JPEG)
