# Training capture: the manager that records and plays keyboard and mouse sessions
# through the hook library (Cuehook.dll, imported by ordinal). A library of its own so
# that only the programs that train load the hook library.
add_library(capture_training STATIC ${CMAKE_CURRENT_LIST_DIR}/training/CCBTManager.cpp)
target_link_libraries(capture_training PUBLIC capture Cuehook)

vell_add_test(training_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/training/tests/TrainingTestSupport.cpp
            ${CMAKE_CURRENT_LIST_DIR}/training/tests/CCBTManagerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/training/tests/TrainingInputTest.cpp
            ${CMAKE_SOURCE_DIR}/capture/audio/tests/AudioTestSupport.cpp
    LIBS capture_training cuehook_core
    PEERS audio)
