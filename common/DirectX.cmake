# The DirectX version and the DirectShow helpers.
target_sources(common PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DirectXVersion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DirectShowHelpers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DirectShowUtilities.cpp)
target_link_libraries(common PUBLIC strmiids uuid ole32 oleaut32 user32)

vell_add_test(directx_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/tests/DirectXVersionTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DirectShowHelpersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tests/DirectShowUtilitiesTest.cpp
    LIBS common vfw32 testcamera_support
    TIMEOUT 120)
