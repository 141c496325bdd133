# Property pages and child property sheets, and the internet address parser.
target_sources(framework PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AfxParseURL.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CPropertyPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CPropertySheet.cpp)

vell_add_test(property_sheet_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/PropertySheetTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/property_sheet_tests.rc
    LIBS framework
    UNMANAGED_WINDOWS)
