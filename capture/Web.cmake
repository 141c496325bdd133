# Web destination: the image file uploaded by FTP through the framework's internet
# classes on WinInet.
target_sources(capture PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CImageWeb.cpp)

# The test program uploads to a real FTP server that run_web_tests.sh finds or starts,
# hence its own ctest entry with the environment that vell_add_test gives every test
# program.
if(VELL_BUILD_TESTS)
    add_executable(web_tests ${CMAKE_CURRENT_LIST_DIR}/tests/CImageWebTest.cpp)
    target_link_libraries(web_tests PRIVATE capture testmain shell32)
    add_test(NAME web_tests
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/run_web_tests.sh ${VELL_WINE} $<TARGET_FILE:web_tests>
                --gtest_brief=1)
    set_tests_properties(web_tests PROPERTIES
        TIMEOUT 300
        RESOURCE_LOCK "vell_display;vell_registry"
        ENVIRONMENT "WINEPREFIX=${VELL_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d\;winedbg.exe=d\;mscoree=d\;mshtml=d")
endif()
