# Video playing and recording: the player window on a DirectShow graph, and the video
# capture manager that owns the player and the recorder.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/video/CVideoPlayerGraph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CVideoManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CWndVideoPlayer.cpp)
target_link_libraries(capture PUBLIC strmiids ole32 uuid user32)

vell_add_test(video_player_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/video/tests/CWndVideoPlayerTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    LOCKS vell_display
    UNMANAGED_WINDOWS
    TIMEOUT 180)

vell_add_test(video_manager_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/video/tests/CVideoManagerTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    LOCKS vell_display
    UNMANAGED_WINDOWS
    TIMEOUT 180)
