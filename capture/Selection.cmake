# Mouse selection of a shape, the capture tip, the elapsed-time display and the output
# window's options.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/selection/CWndTransparentScSelection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/CScTitleTip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/SelectionOutline.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timing/CElapsedTimeDisplay.cpp
    ${CMAKE_CURRENT_LIST_DIR}/timing/CGlobalOptions.cpp)
target_link_libraries(capture PUBLIC user32 gdi32 advapi32)

# Real mouse input on the display drives the selection window.
vell_add_test(selection_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CWndTransparentScSelectionTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CScTitleTipTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CElapsedTimeDisplayTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CGlobalOptionsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    UNMANAGED_WINDOWS)
