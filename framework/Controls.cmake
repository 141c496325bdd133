# Wrappers of the system's controls: the tree view, the hyperlink static text, the title
# tip and the lists, edits and sort header that use it.
target_sources(framework PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CTreeCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CStaticLink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CTitleTip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CTtListCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CListCtrlEmptyTitle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CListParentItemImp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListColumnWidths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CNumberEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CTtEdit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CSortHeaderCtrl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CAnimateCtrl.cpp)
target_link_libraries(framework PUBLIC comctl32 shell32)

# Real clicks on the controls.
vell_add_test(controls_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CStaticLinkTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/ListControlsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/TitleTipTest.cpp ${CMAKE_CURRENT_LIST_DIR}/tests/EditControlsTest.cpp
    LIBS framework
    UNMANAGED_WINDOWS)
