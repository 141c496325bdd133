# Movie capture manager: records the screen into an AVI movie, a frame per timed or
# hand-made selection, and plays movies back.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/movie/CPresentationManager.cpp)

# Real mouse input through the watch library selects the frames.
vell_add_test(movie_manager_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/HkVellTestSupport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CPresentationManagerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/TestCaptureOwner.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    UNMANAGED_WINDOWS)

if(TARGET movie_manager_tests AND TARGET HkVell)
    # The test program loads HkVell.dll from its own folder.
    add_dependencies(movie_manager_tests HkVell)
endif()
