# SMTP client over the framework's blocking socket.
target_sources(common PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CQuickSmtp.cpp)

# The test program talks to scripted servers of its own and to a real SMTP server
# (aiosmtpd, Debian python3-aiosmtpd) that run_smtp_tests.sh starts on a free port of
# 127.0.0.1 around the run; hence its own ctest entry, with the environment that
# vell_add_test gives every test program.
if(VELL_BUILD_TESTS)
    add_executable(smtp_tests
        ${CMAKE_CURRENT_LIST_DIR}/tests/CSocketTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CQuickSmtpMessageTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CQuickSmtpDialogueTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CQuickSmtpServerTest.cpp)
    target_link_libraries(smtp_tests PRIVATE common testmain shell32)
    add_test(NAME smtp_tests
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/run_smtp_tests.sh ${VELL_WINE} $<TARGET_FILE:smtp_tests> --gtest_brief=1)
    set_tests_properties(smtp_tests PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "WINEPREFIX=${VELL_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d\;winedbg.exe=d\;mscoree=d\;mshtml=d")
endif()
