# Tests of the main window.
add_executable(quorvel_mainwindow_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/MainWindowTestMain.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormTestSupport.h
    ${CMAKE_CURRENT_SOURCE_DIR}/LayoutRuleTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/EntryConversionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ActivationTrackerTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TablePrinterTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormCycleTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormViewTest.cpp)
target_link_libraries(quorvel_mainwindow_tests PRIVATE quorvel_ui quorvel_chart Qt6::Test GTest::gtest)
gtest_discover_tests(quorvel_mainwindow_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
