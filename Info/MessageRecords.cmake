# The message and upload destination records: e-mail, fax, database.
target_sources(Info PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/InfoScEmail.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScFax.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScDatabase.cpp)
if(TARGET info_tests)
    target_sources(info_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/MessageRecordsTest.cpp)
endif()
