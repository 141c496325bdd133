# Destination set: one grab sent to every screen-capture destination the settings
# enable, and the owner window the engine uses until the main window exists. The
# set's texts are in capture/CaptureStrings.rc, which the program's resources
# include.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageDestinations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection/CCaptureOwnerWnd.cpp)
target_link_libraries(capture PUBLIC user32)

# The test program sends through the fax service of the test prefix and the ICQ client
# built beside it, each moved into a fresh folder of the test, opens its pictures in the
# test editor "Args Recorder.exe", and runs every destination at once against the test
# run's FTP server and a database of its own.
vell_add_test(set_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageDestinationsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CCaptureOwnerWndTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/CaptureStrings.rc
    LIBS capture faxservice_core odbc32
    PEERS ftp odbc)
if(TARGET set_tests)
    add_dependencies(set_tests winfax ArgsRecorder)
endif()
