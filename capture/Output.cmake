# The main window's output window: the edit view the program writes its lines into.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/output/CEditViewOutput.cpp)

vell_add_test(output_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/output/tests/CEditViewOutputTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/output/Output.rc
    LIBS capture
    UNMANAGED_WINDOWS)
