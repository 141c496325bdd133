# The caller's side of HkVell.dll (hkvell/), the mouse and keyboard watch of screen and
# movie capture, loaded at run time.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/selection/CHkVellLibrary.cpp)

# Real input on the display: the right-button hold, the mouse events sent to the notify
# window and the hot keys.
vell_add_test(hkvell_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/HkVellTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CHkVellLibraryTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/HkVellWatchTest.cpp
    LIBS capture)

if(TARGET hkvell_tests AND TARGET HkVell)
    # The test program loads HkVell.dll from its own folder.
    add_dependencies(hkvell_tests HkVell)
endif()
