# Database destination, on the framework's ODBC classes: the connection, the recordset
# and the field exchange that binds a row's values as parameters.

target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CImageDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CRecsetImageDb.cpp)
target_link_libraries(capture PUBLIC rpcrt4)

# The test program writes into a real SQLite database through Wine's odbc32, unixODBC
# and the SQLite3 driver (Debian unixodbc, odbcinst, libsqliteodbc, sqlite3), which
# run_database_tests.sh creates afresh around the run; hence its own ctest entry, with
# the environment that vell_add_test gives every test program.
if(VELL_BUILD_TESTS)
    add_executable(database_tests ${CMAKE_CURRENT_LIST_DIR}/tests/CImageDatabaseTest.cpp)
    target_link_libraries(database_tests PRIVATE capture testmain odbc32)
    add_test(NAME database_tests
        COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/tests/run_database_tests.sh ${VELL_WINE}
                $<TARGET_FILE:database_tests> --gtest_brief=1)
    set_tests_properties(database_tests PROPERTIES
        TIMEOUT 300
        RESOURCE_LOCK "vell_display;vell_registry"
        ENVIRONMENT "WINEPREFIX=${VELL_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=winemenubuilder.exe=d\;winedbg.exe=d\;mscoree=d\;mshtml=d")
endif()
