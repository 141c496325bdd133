# Web destination: the image file uploaded by FTP through the framework's internet
# classes on WinInet.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageWeb.cpp)

# The test program uploads to a real FTP server: the test run's, or else one its runner
# starts.
vell_add_test(web_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageWebTest.cpp
    LIBS capture shell32
    PEERS ftp)
