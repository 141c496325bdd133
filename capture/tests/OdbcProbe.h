#pragma once
// Test support for the database destination: the test run's database reached with
// plain ODBC calls, apart from the framework's classes under test, to make tables, put
// rows in and read back what the destination stored.
#include <sql.h>
#include <sqlext.h>
#include <string>
#include <vector>
#include <windows.h>

namespace capture_test
{
// The value of an environment variable; empty when it is not set.
inline std::wstring Env(const wchar_t* name)
{
    DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0)
        return std::wstring();
    std::wstring value(length, L'\0');
    value.resize(GetEnvironmentVariableW(name, &value[0], length));
    return value;
}

class OdbcProbe
{
public:
    OdbcProbe() = default;
    OdbcProbe(const OdbcProbe&) = delete;
    OdbcProbe& operator=(const OdbcProbe&) = delete;
    ~OdbcProbe()
    {
        if (m_stmt)
            SQLFreeHandle(SQL_HANDLE_STMT, m_stmt);
        if (m_connected)
            SQLDisconnect(m_dbc);
        if (m_dbc)
            SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
        if (m_env)
            SQLFreeHandle(SQL_HANDLE_ENV, m_env);
    }

    bool Connect(const std::wstring& connect)
    {
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_env)) ||
            !SQL_SUCCEEDED(
                SQLSetEnvAttr(m_env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)) ||
            !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_env, &m_dbc)))
            return Fail("The ODBC handles could not be made.");
        std::wstring in = connect;
        SQLWCHAR out[1024];
        SQLSMALLINT outLength = 0;
        if (!SQL_SUCCEEDED(SQLDriverConnectW(m_dbc, nullptr, Sql(in), SQL_NTS, out, ARRAYSIZE(out), &outLength,
                                             SQL_DRIVER_NOPROMPT)))
            return Fail(Diagnostics(SQL_HANDLE_DBC, m_dbc));
        m_connected = true;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &m_stmt)))
            return Fail(Diagnostics(SQL_HANDLE_DBC, m_dbc));
        return true;
    }

    // Runs a statement that returns no rows.
    bool Execute(std::wstring sql)
    {
        SQLFreeStmt(m_stmt, SQL_CLOSE);
        SQLRETURN result = SQLExecDirectW(m_stmt, Sql(sql), SQL_NTS);
        if (result != SQL_NO_DATA && !SQL_SUCCEEDED(result))
            return Fail(Narrow(sql) + ": " + Diagnostics(SQL_HANDLE_STMT, m_stmt));
        return true;
    }

    // The first column of every row as text; "NULL" for a null value.
    std::vector<std::wstring> Texts(const std::wstring& sql)
    {
        std::vector<std::wstring> rows;
        if (!Execute(sql))
            return rows;
        while (SQL_SUCCEEDED(SQLFetch(m_stmt)))
        {
            SQLWCHAR text[1024];
            SQLLEN indicator = 0;
            SQLGetData(m_stmt, 1, SQL_C_WCHAR, text, sizeof(text), &indicator);
            rows.push_back(indicator == SQL_NULL_DATA ? L"NULL" : std::wstring(reinterpret_cast<wchar_t*>(text)));
        }
        return rows;
    }

    // The first column of the first row as text; empty when there is no row.
    std::wstring Text(const std::wstring& sql)
    {
        std::vector<std::wstring> rows = Texts(sql);
        return rows.empty() ? std::wstring() : rows.front();
    }

    // The first column of the first row as bytes, read in pieces.
    std::string Bytes(const std::wstring& sql)
    {
        std::string bytes;
        if (!Execute(sql) || !SQL_SUCCEEDED(SQLFetch(m_stmt)))
            return bytes;
        char piece[16384];
        for (;;)
        {
            SQLLEN indicator = 0;
            SQLRETURN result = SQLGetData(m_stmt, 1, SQL_C_BINARY, piece, sizeof(piece), &indicator);
            if (!SQL_SUCCEEDED(result) || indicator == SQL_NULL_DATA)
                break;
            bool more = result == SQL_SUCCESS_WITH_INFO;
            bytes.append(piece, more || indicator == SQL_NO_TOTAL ? sizeof(piece) : static_cast<size_t>(indicator));
            if (!more)
                break;
        }
        return bytes;
    }

    const std::string& Error() const { return m_error; }

    static std::string Narrow(const std::wstring& text)
    {
        int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
        std::string out(static_cast<size_t>(length), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], length, nullptr, nullptr);
        out.resize(out.empty() ? 0 : out.size() - 1);
        return out;
    }

private:
    static SQLWCHAR* Sql(std::wstring& text) { return reinterpret_cast<SQLWCHAR*>(&text[0]); }

    static std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle)
    {
        std::string all;
        SQLWCHAR state[6], text[SQL_MAX_MESSAGE_LENGTH];
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        for (SQLSMALLINT record = 1;
             SQL_SUCCEEDED(SQLGetDiagRecW(type, handle, record, state, &native, text, ARRAYSIZE(text), &length));
             ++record)
            all += Narrow(reinterpret_cast<wchar_t*>(text)) + " ";
        return all;
    }

    bool Fail(const std::string& error)
    {
        m_error = error;
        return false;
    }

    SQLHENV m_env = SQL_NULL_HENV;
    SQLHDBC m_dbc = SQL_NULL_HDBC;
    SQLHSTMT m_stmt = SQL_NULL_HSTMT;
    bool m_connected = false;
    std::string m_error;
};
} // namespace capture_test
