# ICQ destination and the ICQ contact list: the picture sent to an ICQ user through the
# ICQ API library, loaded at run time (standins/icq provides it here).
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/destinations/IcqApiAccess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageICQ.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CIcqContactList.cpp)
target_link_libraries(capture PUBLIC icqapi_client user32)

# The test program talks to the ICQ client built beside it, with the client's folder
# moved into a fresh folder of the test.
vell_add_test(icq_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageICQTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CIcqContactListTest.cpp
    LIBS capture)
