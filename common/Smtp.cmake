# SMTP client over the framework's blocking socket.
target_sources(common PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CQuickSmtp.cpp)

# The test program talks to scripted servers of its own and to a real SMTP server
# (aiosmtpd, Debian python3-aiosmtpd) that its runner starts on a free port of
# 127.0.0.1 around the run.
vell_add_test(smtp_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/CQuickSmtpMessageTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CQuickSmtpDialogueTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/CQuickSmtpServerTest.cpp
    LIBS common shell32
    PEERS smtp)
