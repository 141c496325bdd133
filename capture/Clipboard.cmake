# The destinations that leave the picture on this computer: the clipboard, the
# screen saver's picture folder and the desktop wallpaper.
target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageClipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageScreenSaver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageWallpaper.cpp)
target_link_libraries(capture PUBLIC user32 gdi32 advapi32)

vell_add_test(clipboard_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageClipboardTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CImageScreenSaverTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/tests/CImageWallpaperTest.cpp
    LIBS capture)
