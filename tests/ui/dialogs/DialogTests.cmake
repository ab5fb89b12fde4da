# Tests of the feed dialog, the About box, the help viewer, the goal seek dialog and the map
# window.
add_executable(quorvel_dialog_tests
    ${CMAKE_CURRENT_LIST_DIR}/DialogTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FeedFieldParserTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TDataFormTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TAboutBoxTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpViewerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EnvelopeWindowsTest.cpp)
target_link_libraries(quorvel_dialog_tests PRIVATE quorvel_ui quorvel_views quorvel_chart quorvel_test_support Qt6::Test GTest::gtest)
target_compile_definitions(quorvel_dialog_tests PRIVATE QUORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
gtest_discover_tests(quorvel_dialog_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
