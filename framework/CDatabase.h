#pragma once
// CDatabase: one connection to an ODBC data source, made from a connection string
// through the driver manager (ODBC 3, wide-character calls). Failures are results plus
// the driver manager's and driver's own messages (GetErrorText).
#include "framework/CString.h"
#include <sql.h>
#include <sqlext.h>

class CDatabase
{
public:
    CDatabase() = default;
    ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    // Connects with the connection string. The driver manager never prompts for
    // details the string lacks: the connection fails instead.
    bool OpenEx(const CString& connect);
    void Close();
    bool IsOpen() const { return m_connected; }

    // The connection handle, for the statements of recordsets on this database.
    SQLHDBC GetConnection() const { return m_hdbc; }
    // Why the last OpenEx failed.
    const CString& GetErrorText() const { return m_errorText; }

    // The diagnostic messages the handle holds, joined by blanks; empty when none.
    static CString GetDiagnosticText(SQLSMALLINT handleType, SQLHANDLE handle);

private:
    bool Fail(SQLSMALLINT handleType, SQLHANDLE handle);

    SQLHENV m_henv = SQL_NULL_HENV;
    SQLHDBC m_hdbc = SQL_NULL_HDBC;
    bool m_connected = false;
    CString m_errorText;
};
