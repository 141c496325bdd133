#include "framework/CRecordset.h"

namespace
{
// A query names what it selects with blanks between its words; a table name has none.
bool IsTableName(const CString& sql)
{
    return sql.FindOneOf(L" \t\r\n") < 0;
}
} // namespace

CRecordset::CRecordset(CDatabase* database) : m_pDatabase(database) {}

CRecordset::~CRecordset()
{
    Close();
}

CString CRecordset::GetDefaultSQL() const
{
    return CString();
}

void CRecordset::DoFieldExchange(CFieldExchange&) {}

bool CRecordset::Open(const CString& sql, CFieldExchange* parameters)
{
    Close();
    CString query = sql.IsEmpty() ? GetDefaultSQL() : sql;
    if (query.IsEmpty())
        return Fail(L"The recordset has no query to run.");
    if (IsTableName(query))
    {
        m_table = query;
        query = L"SELECT * FROM " + m_table;
    }
    if (!Execute(query, parameters))
        return false;
    SQLRETURN result = SQLFetch(m_hstmt);
    if (result != SQL_NO_DATA && !SQL_SUCCEEDED(result))
        return Fail();
    m_eof = result == SQL_NO_DATA;
    m_open = true;
    return true;
}

void CRecordset::Close()
{
    if (m_hstmt != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, m_hstmt);
    m_hstmt = SQL_NULL_HSTMT;
    m_table.Empty();
    m_open = false;
    m_eof = true;
    m_adding = false;
}

bool CRecordset::AddNew()
{
    if (!m_open || m_table.IsEmpty())
        return Fail(L"A new row needs a recordset opened on a table.");
    // The new row is built apart from the rows read so far; their cursor is done with.
    SQLFreeStmt(m_hstmt, SQL_CLOSE);
    m_adding = true;
    return true;
}

bool CRecordset::Update()
{
    if (!m_adding)
        return Fail(L"There is no new row to insert.");
    m_adding = false;

    CFieldExchange fx;
    DoFieldExchange(fx);
    if (fx.GetCount() == 0)
        return Fail(L"The new row has no fields.");
    CString columns, markers;
    for (int i = 0; i < fx.GetCount(); ++i)
    {
        const wchar_t* separator = i == 0 ? L"" : L", ";
        columns += separator + fx.GetColumn(i);
        markers += separator + CString(L"?");
    }
    return Execute(L"INSERT INTO " + m_table + L" (" + columns + L") VALUES (" + markers + L")", &fx);
}

bool CRecordset::Execute(const CString& sql, CFieldExchange* parameters)
{
    if (m_pDatabase == nullptr || !m_pDatabase->IsOpen())
        return Fail(L"The database is not open.");
    if (m_hstmt == SQL_NULL_HSTMT &&
        !SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, m_pDatabase->GetConnection(), &m_hstmt)))
    {
        m_hstmt = SQL_NULL_HSTMT;
        return Fail(CDatabase::GetDiagnosticText(SQL_HANDLE_DBC, m_pDatabase->GetConnection()));
    }
    SQLFreeStmt(m_hstmt, SQL_CLOSE);
    SQLFreeStmt(m_hstmt, SQL_RESET_PARAMS);

    // ODBC takes its input texts through non-const pointers but does not change them.
    SQLWCHAR* text = reinterpret_cast<SQLWCHAR*>(const_cast<wchar_t*>(sql.GetString()));
    if (!SQL_SUCCEEDED(SQLPrepareW(m_hstmt, text, SQL_NTS)))
        return Fail();
    if (parameters != nullptr && !SQL_SUCCEEDED(parameters->Bind(m_hstmt)))
        return Fail();
    SQLRETURN result = SQLExecute(m_hstmt);
    if (result == SQL_NEED_DATA && parameters != nullptr)
        result = parameters->SendDataAtExecution(m_hstmt);
    // SQL_NO_DATA: a statement that touched no row.
    if (result != SQL_NO_DATA && !SQL_SUCCEEDED(result))
        return Fail();
    return true;
}

bool CRecordset::Fail()
{
    return Fail(CDatabase::GetDiagnosticText(SQL_HANDLE_STMT, m_hstmt));
}

bool CRecordset::Fail(const CString& text)
{
    m_errorText = text.IsEmpty() ? CString(L"The data source reported a failure without a message.") : text;
    return false;
}
