# Step timer window: ends a capture step after its duration and repeats timed captures.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/timing/CWndTimer.cpp ${CMAKE_CURRENT_LIST_DIR}/timing/JobFailureReport.cpp)
target_link_libraries(capture PUBLIC user32 gdi32)

vell_add_test(timer_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CWndTimerTest.cpp
    LIBS capture)
