# Wrappers of the system's controls: the tree view and the hyperlink static text.
target_sources(framework PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CTreeCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CStaticLink.cpp)
target_link_libraries(framework PUBLIC comctl32 shell32)

# Real clicks on the controls.
vell_add_test(controls_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CStaticLinkTest.cpp
    LIBS framework
    LOCKS vell_display vell_input
    UNMANAGED_WINDOWS)
