# Fax destination: the picture sent through the system's fax service, reached through COM
# and the fax client library at run time (the test prefix has the stand-in of standins/fax).
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageFax.cpp)
target_link_libraries(capture PUBLIC oleaut32)

# The test program sends through the service of the test prefix, with the service's
# folder moved into a fresh folder of the test; it reads the queued jobs with the
# service's own job format.
vell_add_test(fax_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageFaxTest.cpp
    LIBS capture faxservice_core)
if(TARGET fax_tests)
    add_dependencies(fax_tests winfax)
endif()
