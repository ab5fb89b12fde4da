# Tests of the process train window.
add_executable(quorvel_train_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/../dialogs/DialogTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrainWindowTest.cpp)
target_link_libraries(quorvel_train_window_tests PRIVATE quorvel_ui quorvel_views quorvel_chart
                                                 quorvel_test_support Qt6::Test GTest::gtest)
gtest_discover_tests(quorvel_train_window_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
