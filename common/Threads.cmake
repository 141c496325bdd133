# Worker thread and lock, single-instance guard, recent-file lists and window placement.

target_sources(common PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CInstanceCop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CMonitor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CRunnableThread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CRecentFileList2.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CMruFileManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CPersistWindowPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CChildControlPlacement.cpp)

vell_add_test(threads_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/CInstanceCopTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CRunnableThreadTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CMonitorTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CMruFileManagerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CPersistWindowPlacementTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CChildControlPlacementTest.cpp
    LIBS common shell32)
