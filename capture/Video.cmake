# Video playing and recording: the player window on a DirectShow graph, the recorder
# window on a capture device's graphs, and the video capture manager that owns both.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/video/CVideoPlayerGraph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CVideoManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CWndVideoPlayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/StatusLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CCrossbarRouter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/Mpeg2Blocks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/ISampleCaptureGraphBuilder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CVideoRecorderProgress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/CWndVideoRecorder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/VideoRecorderDevices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/VideoRecorderGraphs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/video/VideoRecorderSettings.cpp)
target_link_libraries(capture PUBLIC strmiids ksguid ole32 oleaut32 uuid user32 msacm32 winmm)

vell_add_test(video_player_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/video/tests/CWndVideoPlayerTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    UNMANAGED_WINDOWS
    TIMEOUT 180)

vell_add_test(video_manager_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/video/tests/CVideoManagerTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture
    UNMANAGED_WINDOWS
    TIMEOUT 180)

# The recorder records from the test camera (and the test audio device), registered in
# its display slot's prefix.
vell_add_test(video_recorder_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/video/tests/CWndVideoRecorderTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/video/tests/VideoRecorderSettingsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/video/tests/CCrossbarRouterTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/video/tests/CaptureGraphBuilderTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/video/tests/AviReadBack.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture testcamera_support vfw32
    PEERS audio
    UNMANAGED_WINDOWS
    TIMEOUT 240)
