#pragma once
// CRecsetImageDb: the row the database destination inserts into a table: the picture in
// its long-binary column and the extra columns of the record. An extra column's value
// text may carry a marker: "(AutoGenerate)" asks for a made-up value, "(Unique)" for a
// value not yet in the column (the text left of the marker, changed until it is free).
#include "framework/CList.h"
#include "framework/CRecordset.h"
#include <vector>

class CRecsetImageDb : public CRecordset
{
public:
    // The type codes of the extra columns.
    enum ColumnType
    {
        CT_TEXT = 0,
        CT_INT = 1,
        CT_BOOL = 2,
        CT_LONG = 3,
        CT_SINGLE = 4,
        CT_DOUBLE = 5,
        CT_DATE = 6,
        CT_BYTE = 7,
    };

    CRecsetImageDb(CDatabase* database, const CString& table, const CString& blobCol);

    // Appends an extra column holding the default value of its type (empty text, 0,
    // false, the current time). False for an unknown type code.
    bool AddExtraColumn(const CString& name, int type);
    // The picture's bytes, for the long-binary column.
    void SetLongBinary(std::vector<BYTE> bytes) { m_longBinary = std::move(bytes); }
    // Makes the extra columns' values from their value texts, in column order; a column
    // without a text gets the value of an empty text. False with the error text when a
    // uniqueness query fails or a column has no free value left.
    bool SetExtraValues(const CStringList& values);

protected:
    CString GetDefaultSQL() const override { return m_table; }
    void DoFieldExchange(CFieldExchange& fx) override;

private:
    struct ExtraColumn
    {
        CString name;
        int type;
        CString text;
        long number; // int, long and byte
        bool flag;
        double real; // single and double
        SYSTEMTIME time;
    };

    static void Exchange(CFieldExchange& fx, const ExtraColumn& column);
    static void Convert(ExtraColumn& column, const CString& value, bool generate);
    bool MakeUnique(ExtraColumn& column);
    bool MakeUniqueText(ExtraColumn& column);
    bool MakeUniqueNumber(ExtraColumn& column, long upperBound);
    bool MakeUniqueReal(ExtraColumn& column);
    // Whether the column's current value is in the table already.
    bool IsTaken(const ExtraColumn& column, bool& taken);
    bool NoFreeValue(const ExtraColumn& column);

    CString m_table;
    CString m_blobCol;
    std::vector<BYTE> m_longBinary;
    std::vector<ExtraColumn> m_columns;
};
