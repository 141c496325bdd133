# Audio engine: recording and playing sound through DirectShow graphs, the capture
# formats and the lists of the audio pages. It is a library of its own because the
# training hooks (Cuehook.dll) build the same engine in for their sound track; the
# audio manager belongs to the capture engine.
set(_audio ${CMAKE_CURRENT_LIST_DIR}/audio)
add_library(capture_audio STATIC
    ${_audio}/AudioComboHelpers.cpp
    ${_audio}/AudioDeviceLists.cpp
    ${_audio}/AudioErrorText.cpp
    ${_audio}/AudioFormats.cpp
    ${_audio}/AudioInputMixer.cpp
    ${_audio}/CAudioGraph.cpp
    ${_audio}/CWndAudioNotifications.cpp
    ${_audio}/RecordedPartFile.cpp)
target_link_libraries(capture_audio PUBLIC common framework dsound strmiids uuid ole32 user32)

target_sources(capture PRIVATE ${_audio}/CAudioManager.cpp)
target_link_libraries(capture PUBLIC capture_audio)

vell_add_test(audio_tests
    SOURCES
        ${_audio}/tests/AudioTestSupport.cpp
        ${_audio}/tests/AudioTablesTest.cpp
        ${_audio}/tests/AudioPlaybackTest.cpp
        ${_audio}/tests/AudioRecordingTest.cpp
        ${_audio}/tests/CAudioManagerTest.cpp
    LIBS capture winmm
    PEERS audio
    TIMEOUT 120)

# The start-up check where no sound server answers.
vell_add_test(audio_noserver_tests
    SOURCES ${_audio}/tests/AudioNoServerTest.cpp
    LIBS capture
    TIMEOUT 60)
if(TARGET audio_noserver_tests)
    set_tests_properties(audio_noserver_tests PROPERTIES ENVIRONMENT "PULSE_SERVER=unix:/nonexistent/vell-no-sound-server")
endif()

# The recording benchmark (scripts/audio-benchmark.sh runs it), never a test. It writes
# and reads its wave files with the tests' helpers.
if(TARGET testmain)
    add_executable(AudioRecordingBenchmark ${_audio}/bench/AudioRecordingBenchmark.cpp
                                           ${_audio}/tests/AudioTestSupport.cpp)
    target_link_libraries(AudioRecordingBenchmark PRIVATE capture_audio testmain winmm)
    target_link_options(AudioRecordingBenchmark PRIVATE -municode)
endif()
