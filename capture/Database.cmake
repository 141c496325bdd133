# Database destination, on the framework's ODBC classes: the connection, the recordset
# and the field exchange that binds a row's values as parameters.

target_sources(capture PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CImageDatabase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/destinations/CRecsetImageDb.cpp)
target_link_libraries(capture PUBLIC rpcrt4)

# The test program writes into a real SQLite database of its own through Wine's odbc32,
# unixODBC and the SQLite3 driver (Debian unixodbc, odbcinst, libsqliteodbc, sqlite3),
# which its runner creates afresh around the run.
vell_add_test(database_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/CImageDatabaseTest.cpp
    LIBS capture odbc32
    PEERS odbc)
