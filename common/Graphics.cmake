target_sources(common PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CDibToolkit.cpp ${CMAKE_CURRENT_LIST_DIR}/CWndTransparent.cpp)
target_link_libraries(common PUBLIC gdi32 user32)
vell_add_test(graphics_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CDibToolkitTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/CWndTransparentTest.cpp
    LIBS common)
