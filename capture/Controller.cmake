# The capture-type controller: the one object through which the main window drives every
# capture kind, its "Common" choices, the action menus and their enabling, and the
# capture-type tree.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/controller/CControllerSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controller/CLocalController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controller/CMenuActions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controller/CTreeCtrlCaptureTypes.cpp)

vell_add_test(controller_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/controller/tests/CLocalControllerTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/controller/tests/CMenuActionsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/controller/tests/CTreeCtrlCaptureTypesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/controller/Controller.rc
    LIBS capture
    UNMANAGED_WINDOWS)
