#include "framework/CFieldExchange.h"

#include <algorithm>

namespace
{
// The size of the pieces a long binary value is sent in.
const size_t kPieceSize = 32768;
} // namespace

CFieldExchange::Field& CFieldExchange::Add(const CString& column, SQLSMALLINT cType, SQLSMALLINT sqlType,
                                           SQLULEN columnSize)
{
    m_fields.emplace_back();
    Field& field = m_fields.back();
    field.column = column;
    field.cType = cType;
    field.sqlType = sqlType;
    field.columnSize = columnSize;
    return field;
}

void CFieldExchange::Text(const CString& column, const CString& value, int maxLength)
{
    Field& field = Add(column, SQL_C_WCHAR, SQL_VARCHAR, static_cast<SQLULEN>(maxLength));
    field.text = value.Left(maxLength);
    field.indicator = static_cast<SQLLEN>(field.text.GetLength() * sizeof(wchar_t));
}

void CFieldExchange::Int(const CString& column, int value)
{
    Add(column, SQL_C_SLONG, SQL_INTEGER, 0).integer = value;
}

void CFieldExchange::Bool(const CString& column, bool value)
{
    Add(column, SQL_C_BIT, SQL_BIT, 0).byte = value ? 1 : 0;
}

void CFieldExchange::Long(const CString& column, long value)
{
    Add(column, SQL_C_SLONG, SQL_INTEGER, 0).integer = value;
}

void CFieldExchange::Single(const CString& column, float value)
{
    Add(column, SQL_C_FLOAT, SQL_REAL, 0).single = value;
}

void CFieldExchange::Double(const CString& column, double value)
{
    Add(column, SQL_C_DOUBLE, SQL_DOUBLE, 0).real = value;
}

void CFieldExchange::Date(const CString& column, const SYSTEMTIME& value)
{
    // "yyyy-mm-dd hh:mm:ss" is 19 characters.
    SQL_TIMESTAMP_STRUCT& timestamp = Add(column, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 19).timestamp;
    timestamp.year = static_cast<SQLSMALLINT>(value.wYear);
    timestamp.month = value.wMonth;
    timestamp.day = value.wDay;
    timestamp.hour = value.wHour;
    timestamp.minute = value.wMinute;
    timestamp.second = value.wSecond;
}

void CFieldExchange::Byte(const CString& column, BYTE value)
{
    Add(column, SQL_C_UTINYINT, SQL_TINYINT, 0).byte = value;
}

void CFieldExchange::LongBinary(const CString& column, const BYTE* data, size_t length)
{
    Field& field = Add(column, SQL_C_BINARY, SQL_LONGVARBINARY, static_cast<SQLULEN>(length));
    field.data = data;
    field.dataLength = length;
    field.indicator = SQL_LEN_DATA_AT_EXEC(static_cast<SQLLEN>(length));
}

SQLPOINTER CFieldExchange::ValuePointer(Field& field)
{
    switch (field.cType)
    {
    case SQL_C_WCHAR:
        return const_cast<wchar_t*>(field.text.GetString());
    case SQL_C_SLONG:
        return &field.integer;
    case SQL_C_BIT:
    case SQL_C_UTINYINT:
        return &field.byte;
    case SQL_C_FLOAT:
        return &field.single;
    case SQL_C_DOUBLE:
        return &field.real;
    case SQL_C_TYPE_TIMESTAMP:
        return &field.timestamp;
    default:
        // A value sent at execution: the statement hands this back to say which one it wants.
        return &field;
    }
}

SQLRETURN CFieldExchange::Bind(SQLHSTMT statement)
{
    for (size_t i = 0; i < m_fields.size(); ++i)
    {
        Field& field = m_fields[i];
        SQLRETURN result =
            SQLBindParameter(statement, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, field.cType, field.sqlType,
                             field.columnSize, 0, ValuePointer(field), 0, &field.indicator);
        if (!SQL_SUCCEEDED(result))
            return result;
    }
    return SQL_SUCCESS;
}

SQLRETURN CFieldExchange::SendDataAtExecution(SQLHSTMT statement)
{
    SQLPOINTER token = nullptr;
    SQLRETURN result = SQLParamData(statement, &token);
    while (result == SQL_NEED_DATA)
    {
        const Field& field = *static_cast<const Field*>(token);
        size_t offset = 0;
        do
        {
            const size_t size = std::min(kPieceSize, field.dataLength - offset);
            result = SQLPutData(statement, const_cast<BYTE*>(field.data + offset), static_cast<SQLLEN>(size));
            if (!SQL_SUCCEEDED(result))
                return result;
            offset += size;
        } while (offset < field.dataLength);
        result = SQLParamData(statement, &token);
    }
    return result;
}
