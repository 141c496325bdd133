target_sources(common PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CErrorInfo.cpp ${CMAKE_CURRENT_LIST_DIR}/CBstrHolder.cpp)
vell_add_test(errorinfo_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CErrorInfoTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/AutoPTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/CBstrHolderTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/errorinfo_tests.rc LIBS common)
