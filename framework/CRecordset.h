#pragma once
// CRecordset: a query or a table of an open CDatabase. Open runs the query (a bare
// table name selects the whole table) and moves to its first row; on a table, AddNew
// begins a new row and Update inserts it with the fields the derived class hands over
// in DoFieldExchange, as one prepared INSERT whose values are bound parameters.
// Failures are results plus the data source's messages (GetErrorText).
#include "framework/CDatabase.h"
#include "framework/CFieldExchange.h"

class CRecordset
{
public:
    explicit CRecordset(CDatabase* database);
    virtual ~CRecordset();
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    // Runs sql, or GetDefaultSQL when sql is empty, with the values of parameters
    // (may be null) bound to its markers in order.
    bool Open(const CString& sql = CString(), CFieldExchange* parameters = nullptr);
    void Close();
    bool IsOpen() const { return m_open; }
    // True when the query returned no row.
    bool IsEOF() const { return m_eof; }

    // Begins a new row of the table the recordset was opened on.
    bool AddNew();
    // Inserts the row begun by AddNew.
    bool Update();

    const CString& GetErrorText() const { return m_errorText; }

protected:
    // A query or a table name; empty here.
    virtual CString GetDefaultSQL() const;
    // Hands the fields of a new row to fx, in column order; nothing here.
    virtual void DoFieldExchange(CFieldExchange& fx);

    // Keeps text as the error text; false.
    bool Fail(const CString& text);

    CDatabase* m_pDatabase;

private:
    bool Execute(const CString& sql, CFieldExchange* parameters);
    // Keeps the statement's diagnostic messages as the error text; false.
    bool Fail();

    SQLHSTMT m_hstmt = SQL_NULL_HSTMT;
    CString m_table; // the table the recordset was opened on; empty for a query
    bool m_open = false;
    bool m_eof = true;
    bool m_adding = false;
    CString m_errorText;
};
