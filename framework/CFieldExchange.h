#pragma once
// CFieldExchange: the typed values a recordset sends to its data source, in order, each
// with the column it belongs to. A recordset fills one with the fields of a new row (or
// with the values of a query's parameter markers), then binds it to its statement: the
// values are bound in place, a long binary value is sent in pieces when the statement
// asks for it.
#include "framework/CString.h"
#include <sql.h>
#include <sqlext.h>
#include <vector>

class CFieldExchange
{
public:
    // The most characters a text field holds unless told otherwise.
    static const int kDefaultTextLength = 255;

    // A text longer than maxLength characters is cut to maxLength.
    void Text(const CString& column, const CString& value, int maxLength = kDefaultTextLength);
    void Int(const CString& column, int value);
    void Bool(const CString& column, bool value);
    void Long(const CString& column, long value);
    void Single(const CString& column, float value);
    void Double(const CString& column, double value);
    // Local date and time, to the second.
    void Date(const CString& column, const SYSTEMTIME& value);
    void Byte(const CString& column, BYTE value);
    // The bytes stay the caller's and must outlive the statement's execution.
    void LongBinary(const CString& column, const BYTE* data, size_t length);

    int GetCount() const { return static_cast<int>(m_fields.size()); }
    const CString& GetColumn(int index) const { return m_fields[static_cast<size_t>(index)].column; }

    // Binds each value to the parameter marker of its position (1, 2, ...).
    SQLRETURN Bind(SQLHSTMT statement);
    // Answers a statement that returned SQL_NEED_DATA by sending the long binary values
    // it asks for; returns the statement's final result.
    SQLRETURN SendDataAtExecution(SQLHSTMT statement);

private:
    struct Field
    {
        CString column;
        SQLSMALLINT cType = 0;
        SQLSMALLINT sqlType = 0;
        SQLULEN columnSize = 0;
        CString text;
        SQLINTEGER integer = 0;
        SQLCHAR byte = 0;
        SQLREAL single = 0;
        SQLDOUBLE real = 0;
        SQL_TIMESTAMP_STRUCT timestamp = {};
        const BYTE* data = nullptr;
        size_t dataLength = 0;
        SQLLEN indicator = 0;
    };

    Field& Add(const CString& column, SQLSMALLINT cType, SQLSMALLINT sqlType, SQLULEN columnSize);
    static SQLPOINTER ValuePointer(Field& field);

    std::vector<Field> m_fields;
};
