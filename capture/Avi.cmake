# AVI writer: bitmaps as the frames of an uncompressed AVI file through AVIFile.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/destinations/CAviWriter.cpp)
target_link_libraries(capture PUBLIC vfw32 gdi32 user32)
vell_add_test(avi_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CAviWriterTest.cpp
    LIBS capture)
