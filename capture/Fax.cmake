# Fax destination: the picture sent through the fax service, whose library is loaded at
# run time (standins/fax provides it here).
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CImageFax.cpp)
target_link_libraries(capture PUBLIC faxservice_client oleaut32)

# The test program sends through the service built beside it, with the service's folder
# moved into a fresh folder of the test.
vell_add_test(fax_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageFaxTest.cpp
    LIBS capture
    LOCKS vell_display vell_registry)
