# Tests of the main window.
add_executable(quorvel_mainwindow_tests
    ${CMAKE_CURRENT_SOURCE_DIR}/MainWindowTestMain.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormTestSupport.h
    ${CMAKE_CURRENT_SOURCE_DIR}/LayoutRuleTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/EntryConversionTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ActivationTrackerTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/TablePrinterTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormChartTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormCycleTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormViewTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/OptionsMenuTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MainFormEntryTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CarbonOptionsTest.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ExportActionsTest.cpp)
target_link_libraries(quorvel_mainwindow_tests PRIVATE quorvel_ui quorvel_chartview quorvel_fonts quorvel_test_support
                                               Qt6::Test GTest::gtest)
# The exported CSV and SVG are compared with what quorvel-sweep writes.
target_compile_definitions(quorvel_mainwindow_tests
    PRIVATE QUORVEL_SWEEP_PROGRAM="$<TARGET_FILE:quorvel-sweep>")
add_dependencies(quorvel_mainwindow_tests quorvel-sweep)
gtest_discover_tests(quorvel_mainwindow_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The real program on a virtual X display: its window appears with its title and the
# program ends when the window is closed.
find_package(X11)
if(X11_FOUND)
    add_executable(quorvel_window_closer ${CMAKE_CURRENT_SOURCE_DIR}/WindowCloser.cpp)
    target_link_libraries(quorvel_window_closer PRIVATE X11::X11)
    add_test(NAME MainWindow.ProgramStartsShowsItsWindowAndCloses
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/ProgramSmokeTest.sh
                $<TARGET_FILE:quorvel> $<TARGET_FILE:quorvel_window_closer> ${PROJECT_SOURCE_DIR})
    set_tests_properties(MainWindow.ProgramStartsShowsItsWindowAndCloses PROPERTIES TIMEOUT 60)
else()
    message(STATUS "X11 development files not found: the program's smoke test is left out")
endif()
