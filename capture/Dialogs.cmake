# The errors log and the small dialogs of the main program, each runnable in a window of
# its own without the main frame. The program compiles dialogs/Dialogs.rc into its
# resources; the registry failure text comes with the controller's (controller/Controller.rc).
add_library(capture_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/LogEntries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CLogListCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CDlgLogs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CDlgOptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CDlgVideoRecFrameRate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CDlgScLastCapture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/SelectionText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CDlgPresentationSelectionType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/SearchFields.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/CDlgSearch.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialogs/ProgramDialogs.cpp)
target_link_libraries(capture_dialogs PUBLIC capture framework common comctl32)

vell_add_test(dialogs_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/dialogs/tests/CDlgLogsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/dialogs/tests/SmallDialogsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/dialogs/tests/SelectionTypeTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/dialogs/tests/FindDialogTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/dialogs/Dialogs.rc
            ${CMAKE_CURRENT_LIST_DIR}/controller/Controller.rc
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture_dialogs
    UNMANAGED_WINDOWS)
add_dependencies(dialogs_tests VellRunJobs)
