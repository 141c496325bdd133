# XML document wrapper over the system DOM and its indenting writer.
target_sources(common PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/XmlDom.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CXmlPrettyPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CXmlParser.cpp)
target_link_libraries(common PUBLIC ole32 oleaut32 uuid)
vell_add_test(xml_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CXmlParserTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/CXmlPrettyPrinterTest.cpp
    LIBS common)
