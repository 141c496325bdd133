vell_add_test(app_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CRightButtonHoldTest.cpp
    LIBS app_core)

# Vellumor.exe run as its own process.
vell_add_test(vellumor_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MainProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
    LIBS framework
    LOCKS vell_display vell_input vell_registry vell_eventlog
    PEERS audio
    UNMANAGED_WINDOWS
    TIMEOUT 600)
if(TARGET vellumor_tests)
    add_dependencies(vellumor_tests Vellumor)
endif()
