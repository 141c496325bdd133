# The web server destination record and the password encrypter it uses.
target_sources(Info PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CSymetricEncrypter.cpp ${CMAKE_CURRENT_LIST_DIR}/InfoScWeb.cpp)
if(TARGET info_tests)
    target_sources(info_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/WebRecordTest.cpp)
endif()
