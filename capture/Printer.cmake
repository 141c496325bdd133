# Printer destination: prints through the system's printers.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/destinations/CImagePrinter.cpp)
target_link_libraries(capture PUBLIC comdlg32 gdi32 winspool)

# The test program prints on the test run's CUPS PDF printer; its runner renders what
# arrives and hands it to the program.
vell_add_test(printer_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImagePrinterTest.cpp
    LIBS capture
    PEERS printer)
