vell_add_test(app_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CRightButtonHoldTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CFormVwPropertiesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FocusControlTextTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CAppCaptureDialogsTest.cpp
            ${VELL_APP_RESOURCES}
    LIBS app_core)

# Vellumor.exe run as its own process.
vell_add_test(vellumor_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/KillOnCloseJob.cpp
            ${CMAKE_CURRENT_LIST_DIR}/KillOnCloseJobTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MainProgram.cpp
            ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CommandsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/KeyboardTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DockStateTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ToolDialogsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ConfigurationCommandsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PagesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/TrainingTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/Screenshot.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ProgramMenu.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ProgramInput.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ScreenshotTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CaptureTest.cpp
    LIBS framework Info common
    PEERS audio
    UNMANAGED_WINDOWS
    TIMEOUT 1200)
if(TARGET vellumor_tests)
    add_dependencies(vellumor_tests Vellumor)
endif()
