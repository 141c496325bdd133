# Capture core: the destination interface, the capture tables, the destination table and
# the file destination.

target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CaptureTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/DestinationTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageFile.cpp)
target_link_libraries(capture PUBLIC advapi32 kernel32)

vell_add_test(core_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CaptureTablesTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/DestinationTableTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CImageBaseTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CRecordDestinationTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CImageFileTest.cpp
    LIBS capture)
