# Printer destination: prints through the system's printers.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CImagePrinter.cpp)
target_link_libraries(capture PUBLIC comdlg32 gdi32 winspool)

# The test program prints on the test run's CUPS PDF printer; run_printer_tests.sh
# renders what arrives and hands it to the program, hence its own ctest entry with
# the environment that vell_add_test gives every test program.
if(VELL_BUILD_TESTS)
    add_executable(printer_tests ${CMAKE_CURRENT_LIST_DIR}/tests/CImagePrinterTest.cpp)
    target_link_libraries(printer_tests PRIVATE capture testmain)
    add_test(NAME printer_tests
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/run_printer_tests.sh ${VELL_WINE} $<TARGET_FILE:printer_tests>
                --gtest_brief=1)
    set_tests_properties(printer_tests PROPERTIES
        TIMEOUT 300
        RESOURCE_LOCK "vell_display;vell_registry;vell_printer"
        ENVIRONMENT "WINEPREFIX=${VELL_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d\;winedbg.exe=d\;mscoree=d\;mshtml=d")
endif()
