# Graphic editor and e-mail destinations.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageEmail.cpp)
target_link_libraries(capture PUBLIC user32 ws2_32)

# The test program starts "Args Recorder.exe" (a blank in its name) from its own
# folder as the graphic editor, and mails through a real SMTP server (aiosmtpd,
# Debian python3-aiosmtpd) that its runner starts on a free port of 127.0.0.1 around
# the run. It sets and restores the local web server's root folder (HKEY_LOCAL_MACHINE
# "Software\Microsoft\InetStp") in its display slot's prefix.
if(VELL_BUILD_TESTS)
    add_executable(ArgsRecorder ${CMAKE_CURRENT_LIST_DIR}/tests/ArgsRecorder.cpp)
    set_target_properties(ArgsRecorder PROPERTIES OUTPUT_NAME "Args Recorder")
    target_link_libraries(ArgsRecorder PRIVATE shell32)

    vell_add_test(editoremail_tests
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/tests/CImageEditorTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CImageEmailTest.cpp
        LIBS capture shell32
        PEERS smtp)
    add_dependencies(editoremail_tests ArgsRecorder)
endif()
