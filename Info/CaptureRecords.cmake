# The recording and playing records of the training, audio, video, movie and registry captures.
target_sources(Info PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/InfoCBTRecording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoCBTPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoAudioRecording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoAudioPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoVideoRecording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoVideoPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoPresentationRecording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoPresentationPlaying.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoRegistryRecording.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoRegistryRollback.cpp)
if(TARGET info_tests)
    target_sources(info_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/CaptureRecordsTest.cpp)
endif()
