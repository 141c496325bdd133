# Graphic editor and e-mail destinations.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CImageEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CImageEmail.cpp)
target_link_libraries(capture PUBLIC user32 ws2_32)

# The test program starts "Args Recorder.exe" (a blank in its name) from its own
# folder as the graphic editor, and mails through a real SMTP server (aiosmtpd,
# Debian python3-aiosmtpd) that run_editoremail_tests.sh starts on a free port of
# 127.0.0.1 around the run; hence its own ctest entry, with the environment that
# vell_add_test gives every test program. vell_webroot guards the local web
# server's root folder (HKEY_LOCAL_MACHINE "Software\Microsoft\InetStp"), which
# the test sets and restores.
if(VELL_BUILD_TESTS)
    add_executable(ArgsRecorder ${CMAKE_CURRENT_LIST_DIR}/tests/ArgsRecorder.cpp)
    set_target_properties(ArgsRecorder PROPERTIES OUTPUT_NAME "Args Recorder")
    target_link_libraries(ArgsRecorder PRIVATE shell32)

    add_executable(editoremail_tests
        ${CMAKE_CURRENT_LIST_DIR}/tests/CImageEditorTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CImageEmailTest.cpp)
    target_link_libraries(editoremail_tests PRIVATE capture testmain shell32)
    add_dependencies(editoremail_tests ArgsRecorder)
    add_test(NAME editoremail_tests
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/run_editoremail_tests.sh ${VELL_WINE}
                $<TARGET_FILE:editoremail_tests> --gtest_brief=1)
    set_tests_properties(editoremail_tests PROPERTIES
        TIMEOUT 300
        RESOURCE_LOCK "vell_display;vell_registry;vell_webroot"
        ENVIRONMENT "WINEPREFIX=${VELL_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d\;winedbg.exe=d\;mscoree=d\;mshtml=d")
endif()
