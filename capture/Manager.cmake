# Screen-capture managers: the interactive selection (mouse events from the watch,
# the replaced system cursors, the feedback on the display), the manager that starts
# captures from the settings, and the engine's owner of screen captures.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/selection/CSystemCursors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/SelectionCursorSet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/CScreenPatch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/CScreenCaptureManagerBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/CScreenCaptureManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CEnabledRecords.cpp)
target_link_libraries(capture PUBLIC user32 gdi32 shell32 advapi32)

vell_add_test(manager_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/HkVellTestSupport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/SelectionCursorSetTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CScreenCaptureManagerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/TestCaptureOwner.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    UNMANAGED_WINDOWS)

if(TARGET manager_tests AND TARGET HkVell)
    # The test program loads HkVell.dll from its own folder.
    add_dependencies(manager_tests HkVell)
endif()
