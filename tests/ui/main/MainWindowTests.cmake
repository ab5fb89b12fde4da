# Tests of the main window.
add_executable(quorvel_mainwindow_tests
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowTestMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFormTestSupport.h
    ${CMAKE_CURRENT_LIST_DIR}/LayoutRuleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryConversionTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ActivationTrackerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TablePrinterTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFormChartTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFormCycleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFormViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OptionsMenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PlantConditionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SweepRangeTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryUnitsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainFormEntryTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CarbonOptionsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExportActionsTest.cpp)
target_link_libraries(quorvel_mainwindow_tests PRIVATE quorvel_ui quorvel_views quorvel_chart quorvel_test_support
                                               Qt6::Test GTest::gtest)
# The exported CSV and SVG are compared with what quorvel-sweep writes. The printing
# tests read their PDF output back with poppler's tools; where one is not installed its
# path is empty and the tests that need it are skipped with the reason.
find_program(QUORVEL_PDFTOTEXT_PROGRAM pdftotext)
find_program(QUORVEL_PDFINFO_PROGRAM pdfinfo)
target_compile_definitions(quorvel_mainwindow_tests
    PRIVATE QUORVEL_SWEEP_PROGRAM="$<TARGET_FILE:quorvel-sweep>"
            QUORVEL_PDFTOTEXT="$<$<BOOL:${QUORVEL_PDFTOTEXT_PROGRAM}>:${QUORVEL_PDFTOTEXT_PROGRAM}>"
            QUORVEL_PDFINFO="$<$<BOOL:${QUORVEL_PDFINFO_PROGRAM}>:${QUORVEL_PDFINFO_PROGRAM}>")
add_dependencies(quorvel_mainwindow_tests quorvel-sweep)
gtest_discover_tests(quorvel_mainwindow_tests
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The real program on a virtual X display: its window appears with its title and the
# program ends when the window is closed. Without the X11 development files, Xvfb or
# xwininfo the test is still listed, and skipped with the reason.
find_package(X11)
find_program(QUORVEL_XVFB_PROGRAM Xvfb)
find_program(QUORVEL_XWININFO_PROGRAM xwininfo)
if(X11_FOUND AND QUORVEL_XVFB_PROGRAM AND QUORVEL_XWININFO_PROGRAM)
    add_executable(quorvel_window_closer ${CMAKE_CURRENT_LIST_DIR}/WindowCloser.cpp)
    target_link_libraries(quorvel_window_closer PRIVATE X11::X11)
    add_test(NAME MainWindow.ProgramStartsShowsItsWindowAndCloses
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/ProgramSmokeTest.sh
                $<TARGET_FILE:quorvel> $<TARGET_FILE:quorvel_window_closer> ${PROJECT_SOURCE_DIR}
                ${QUORVEL_XVFB_PROGRAM})
    set_tests_properties(MainWindow.ProgramStartsShowsItsWindowAndCloses PROPERTIES TIMEOUT 60)
else()
    set(reason "the X11 development files, Xvfb or xwininfo are not installed: not run")
    message(STATUS "Program smoke test: ${reason}")
    add_test(NAME MainWindow.ProgramStartsShowsItsWindowAndCloses
             COMMAND ${CMAKE_COMMAND} -E echo "${reason}")
    set_tests_properties(MainWindow.ProgramStartsShowsItsWindowAndCloses
                         PROPERTIES SKIP_REGULAR_EXPRESSION "not installed")
endif()
