// ODBC through Wine's odbc32 to unixODBC and the SQLite3 driver, on the program's own
// fresh database (VELL_ODBC_DB, a Unix path: the driver is Linux code) with the table
// MyTable that the database destination writes into. Each row is told apart by a text
// no other run uses.
#include "PeersSupport.h"
#include <sql.h>
#include <sqlext.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace
{
std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    std::string all;
    SQLWCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1;
         SQL_SUCCEEDED(SQLGetDiagRecW(type, handle, record, state, &native, text, ARRAYSIZE(text), &length)); ++record)
        all += "[" + peers::Narrow(reinterpret_cast<wchar_t*>(state)) + "] " +
               peers::Narrow(reinterpret_cast<wchar_t*>(text)) + " ";
    return all;
}

class PeersOdbc : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const wchar_t* name : {L"VELL_ODBC_DRIVER", L"VELL_ODBC_DB"})
            ASSERT_FALSE(peers::Env(name).empty()) << peers::Missing(name);
        ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)));
        ASSERT_TRUE(
            SQL_SUCCEEDED(SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)));
        ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc)));
    }

    void TearDown() override
    {
        if (stmt)
            SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        if (connected)
            SQLDisconnect(dbc);
        if (dbc)
            SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        if (env)
            SQLFreeHandle(SQL_HANDLE_ENV, env);
    }

    SQLRETURN DriverConnect(const std::wstring& text)
    {
        SQLWCHAR out[1024] = {};
        SQLSMALLINT outLength = 0;
        std::wstring in = text;
        SQLRETURN result = SQLDriverConnectW(dbc, nullptr, reinterpret_cast<SQLWCHAR*>(&in[0]), SQL_NTS, out,
                                             ARRAYSIZE(out), &outLength, SQL_DRIVER_NOPROMPT);
        connected = SQL_SUCCEEDED(result);
        return result;
    }

    // The connection string of the database destination's form, for the program's file.
    void ConnectToTheRunsDatabase()
    {
        const std::wstring text =
            L"DRIVER={" + peers::Env(L"VELL_ODBC_DRIVER") + L"};Database=" + peers::Env(L"VELL_ODBC_DB");
        ASSERT_TRUE(SQL_SUCCEEDED(DriverConnect(text)))
            << peers::Narrow(text) << ": " << Diagnostics(SQL_HANDLE_DBC, dbc);
        ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt)));
    }

    void Execute(const wchar_t* sql)
    {
        ASSERT_TRUE(
            SQL_SUCCEEDED(SQLExecDirectW(stmt, reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(sql)), SQL_NTS)))
            << peers::Narrow(sql) << ": " << Diagnostics(SQL_HANDLE_STMT, stmt);
    }

    // Reads back the picture and the number of the row whose text is "key".
    void ReadRow(const std::wstring& key, std::string& blob, SQLINTEGER& number)
    {
        SQLFreeStmt(stmt, SQL_CLOSE);
        SQLFreeStmt(stmt, SQL_RESET_PARAMS);
        SQLLEN keyLength = SQL_NTS;
        ASSERT_TRUE(SQL_SUCCEEDED(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_VARCHAR, 255, 0,
                                                   const_cast<wchar_t*>(key.c_str()), 0, &keyLength)));
        Execute(L"SELECT MyImageCol, MyIntCol FROM MyTable WHERE MyTextCol = ?");
        ASSERT_EQ(SQL_SUCCESS, SQLFetch(stmt)) << "No row with the text " << peers::Narrow(key);
        // A long binary column comes in pieces: SQL_SUCCESS_WITH_INFO (01004) while more
        // is left, SQL_SUCCESS for the last piece, SQL_NO_DATA after it.
        blob.clear();
        char piece[16384];
        for (;;)
        {
            SQLLEN indicator = 0;
            SQLRETURN result = SQLGetData(stmt, 1, SQL_C_BINARY, piece, sizeof(piece), &indicator);
            if (result == SQL_NO_DATA)
                break;
            ASSERT_TRUE(SQL_SUCCEEDED(result)) << Diagnostics(SQL_HANDLE_STMT, stmt);
            ASSERT_NE(SQL_NULL_DATA, indicator);
            const size_t got =
                indicator == SQL_NO_TOTAL || indicator > SQLLEN(sizeof(piece)) ? sizeof(piece) : size_t(indicator);
            blob.append(piece, got);
            if (result == SQL_SUCCESS)
                break;
        }
        SQLLEN numberIndicator = 0;
        ASSERT_TRUE(SQL_SUCCEEDED(SQLGetData(stmt, 2, SQL_C_SLONG, &number, 0, &numberIndicator)));
        EXPECT_EQ(SQL_NO_DATA, SQLFetch(stmt)) << "More than one row with the text " << peers::Narrow(key);
        SQLFreeStmt(stmt, SQL_CLOSE);
        SQLFreeStmt(stmt, SQL_RESET_PARAMS);
    }

    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    bool connected = false;
};
} // namespace

TEST_F(PeersOdbc, BlobBoundAsOneBufferRoundTrips)
{
    ASSERT_NO_FATAL_FAILURE(ConnectToTheRunsDatabase());
    const std::wstring key = peers::UniqueName(L"whole");
    const std::string picture = peers::PatternBytes(200 * 1024, 1);
    SQLLEN pictureLength = SQLLEN(picture.size()), keyLength = SQL_NTS, numberLength = 0;
    SQLINTEGER number = 4242;
    ASSERT_TRUE(
        SQL_SUCCEEDED(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_LONGVARBINARY, picture.size(), 0,
                                       const_cast<char*>(picture.data()), pictureLength, &pictureLength)));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLBindParameter(stmt, 2, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_VARCHAR, 255, 0,
                                               const_cast<wchar_t*>(key.c_str()), 0, &keyLength)));
    ASSERT_TRUE(SQL_SUCCEEDED(
        SQLBindParameter(stmt, 3, SQL_PARAM_INPUT, SQL_C_SLONG, SQL_INTEGER, 0, 0, &number, 0, &numberLength)));
    ASSERT_NO_FATAL_FAILURE(Execute(L"INSERT INTO MyTable (MyImageCol, MyTextCol, MyIntCol) VALUES (?, ?, ?)"));

    std::string stored;
    SQLINTEGER storedNumber = 0;
    ASSERT_NO_FATAL_FAILURE(ReadRow(key, stored, storedNumber));
    EXPECT_EQ(picture.size(), stored.size());
    EXPECT_TRUE(stored == picture) << "The stored picture differs from the one inserted";
    EXPECT_EQ(4242, storedNumber);
}

// The framework's recordsets send a long binary value at execution time, in pieces.
TEST_F(PeersOdbc, BlobSentInPiecesAtExecutionRoundTrips)
{
    ASSERT_NO_FATAL_FAILURE(ConnectToTheRunsDatabase());
    const std::wstring key = peers::UniqueName(L"pieces");
    const std::string picture = peers::PatternBytes(200 * 1024 + 13, 2);
    SQLLEN pictureLength = SQL_LEN_DATA_AT_EXEC(SQLLEN(picture.size())), keyLength = SQL_NTS;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_BINARY, SQL_LONGVARBINARY,
                                               picture.size(), 0, reinterpret_cast<SQLPOINTER>(1), 0, &pictureLength)));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLBindParameter(stmt, 2, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_VARCHAR, 255, 0,
                                               const_cast<wchar_t*>(key.c_str()), 0, &keyLength)));
    const wchar_t* sql = L"INSERT INTO MyTable (MyImageCol, MyTextCol, MyIntCol) VALUES (?, ?, 7)";
    SQLRETURN result = SQLExecDirectW(stmt, reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(sql)), SQL_NTS);
    ASSERT_EQ(SQL_NEED_DATA, result) << Diagnostics(SQL_HANDLE_STMT, stmt);
    SQLPOINTER token = nullptr;
    result = SQLParamData(stmt, &token);
    ASSERT_EQ(SQL_NEED_DATA, result) << Diagnostics(SQL_HANDLE_STMT, stmt);
    ASSERT_EQ(reinterpret_cast<SQLPOINTER>(1), token);
    for (size_t offset = 0; offset < picture.size(); offset += 32768)
    {
        const size_t size = std::min<size_t>(32768, picture.size() - offset);
        ASSERT_TRUE(SQL_SUCCEEDED(SQLPutData(stmt, const_cast<char*>(picture.data() + offset), SQLLEN(size))))
            << Diagnostics(SQL_HANDLE_STMT, stmt);
    }
    result = SQLParamData(stmt, &token);
    ASSERT_TRUE(SQL_SUCCEEDED(result)) << result << " " << Diagnostics(SQL_HANDLE_STMT, stmt);

    std::string stored;
    SQLINTEGER storedNumber = 0;
    ASSERT_NO_FATAL_FAILURE(ReadRow(key, stored, storedNumber));
    EXPECT_EQ(picture.size(), stored.size());
    EXPECT_TRUE(stored == picture) << "The stored picture differs from the one sent in pieces";
    EXPECT_EQ(7, storedNumber);
}

// The declared types of the fresh table give the SQL types that the destination's
// field exchange binds.
TEST_F(PeersOdbc, TableColumnsHaveTheTypesTheDestinationBinds)
{
    ASSERT_NO_FATAL_FAILURE(ConnectToTheRunsDatabase());
    wchar_t table[] = L"MyTable";
    ASSERT_TRUE(SQL_SUCCEEDED(
        SQLColumnsW(stmt, nullptr, 0, nullptr, 0, reinterpret_cast<SQLWCHAR*>(table), SQL_NTS, nullptr, 0)))
        << Diagnostics(SQL_HANDLE_STMT, stmt);
    std::map<std::wstring, SQLSMALLINT> types;
    while (SQL_SUCCEEDED(SQLFetch(stmt)))
    {
        SQLWCHAR name[128] = {};
        SQLLEN nameLength = 0, typeLength = 0;
        SQLSMALLINT type = 0;
        SQLGetData(stmt, 4, SQL_C_WCHAR, name, sizeof(name), &nameLength);
        SQLGetData(stmt, 5, SQL_C_SSHORT, &type, 0, &typeLength);
        types[reinterpret_cast<wchar_t*>(name)] = type;
    }
    const std::map<std::wstring, SQLSMALLINT> expected = {
        {L"id", SQL_INTEGER},         {L"MyImageCol", SQL_LONGVARBINARY},
        {L"MyTextCol", SQL_VARCHAR},  {L"MyIntCol", SQL_INTEGER},
        {L"MyDoubleCol", SQL_DOUBLE}, {L"MyDateCol", SQL_TYPE_TIMESTAMP},
        {L"MyByteCol", SQL_TINYINT},  {L"MyBoolCol", SQL_BIT}};
    EXPECT_EQ(expected, types);
}

// A destination's error text carries the driver manager's diagnostic: it must come
// through Wine. (unixODBC reports an unknown driver as a library it cannot open, state
// 01000, where Windows says IM002.)
TEST_F(PeersOdbc, UnknownDriverIsRefusedWithADiagnostic)
{
    const std::wstring text = L"DRIVER={No Such Vellumor Driver};Database=" + peers::Env(L"VELL_ODBC_DB");
    EXPECT_EQ(SQL_ERROR, DriverConnect(text));
    const std::string diagnostics = Diagnostics(SQL_HANDLE_DBC, dbc);
    EXPECT_NE(std::string::npos, diagnostics.find("No Such Vellumor Driver")) << diagnostics;
}
