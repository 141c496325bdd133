# The image destination records: editor, clipboard, ICQ, printer, screen saver, wallpaper.
target_sources(Info PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/InfoScEditor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScClipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScIcq.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScPrinter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScScreenSaver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InfoScWallpaper.cpp)
# The printer record asks the print spooler for the default printer.
target_link_libraries(Info PRIVATE winspool)
if(TARGET info_tests)
    target_sources(info_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/tests/ImageRecordsTest.cpp)
    target_link_libraries(info_tests PRIVATE winspool)
endif()
