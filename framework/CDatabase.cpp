#include "framework/CDatabase.h"

CDatabase::~CDatabase()
{
    Close();
}

bool CDatabase::OpenEx(const CString& connect)
{
    Close();
    m_errorText.Empty();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_henv)))
    {
        m_henv = SQL_NULL_HENV;
        m_errorText = L"The ODBC driver manager could not be initialised.";
        return false;
    }
    if (!SQL_SUCCEEDED(SQLSetEnvAttr(m_henv, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0)))
        return Fail(SQL_HANDLE_ENV, m_henv);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, m_henv, &m_hdbc)))
    {
        m_hdbc = SQL_NULL_HDBC;
        return Fail(SQL_HANDLE_ENV, m_henv);
    }

    // The driver manager writes the completed connection string here; it is not kept.
    SQLWCHAR completed[1024];
    SQLSMALLINT completedLength = 0;
    // ODBC takes its input texts through non-const pointers but does not change them.
    SQLWCHAR* in = reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(connect.GetString()));
    SQLRETURN result = SQLDriverConnectW(m_hdbc, nullptr, in, SQL_NTS, completed, ARRAYSIZE(completed),
                                         &completedLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(result))
        return Fail(SQL_HANDLE_DBC, m_hdbc);
    m_connected = true;
    return true;
}

void CDatabase::Close()
{
    if (m_connected)
        SQLDisconnect(m_hdbc);
    m_connected = false;
    if (m_hdbc != SQL_NULL_HDBC)
        SQLFreeHandle(SQL_HANDLE_DBC, m_hdbc);
    m_hdbc = SQL_NULL_HDBC;
    if (m_henv != SQL_NULL_HENV)
        SQLFreeHandle(SQL_HANDLE_ENV, m_henv);
    m_henv = SQL_NULL_HENV;
}

CString CDatabase::GetDiagnosticText(SQLSMALLINT handleType, SQLHANDLE handle)
{
    CString all;
    SQLWCHAR state[6];
    SQLWCHAR message[SQL_MAX_MESSAGE_LENGTH];
    SQLINTEGER nativeError = 0;
    SQLSMALLINT length = 0;
    for (SQLSMALLINT record = 1; SQL_SUCCEEDED(
             SQLGetDiagRecW(handleType, handle, record, state, &nativeError, message, ARRAYSIZE(message), &length));
         ++record)
    {
        if (!all.IsEmpty())
            all += L' ';
        all += reinterpret_cast<const wchar_t*>(message);
    }
    return all;
}

bool CDatabase::Fail(SQLSMALLINT handleType, SQLHANDLE handle)
{
    m_errorText = GetDiagnosticText(handleType, handle);
    if (m_errorText.IsEmpty())
        m_errorText = L"The connection to the data source failed.";
    Close();
    return false;
}
