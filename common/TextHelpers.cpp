#include "common/TextHelpers.h"
#include <cerrno>
#include <cwchar>

void SplitString(const CString& text, const CString& separator, CArray<CString>& pieces, bool trim)
{
    pieces.RemoveAll();
    if (text.IsEmpty())
        return;
    if (separator.IsEmpty())
    {
        pieces.Add(text);
        return;
    }

    CString rest = text;
    if (rest.Right(separator.GetLength()) != separator)
        rest += separator;
    int start = 0;
    while (start < rest.GetLength())
    {
        int end = rest.Find(separator, start);
        CString piece = rest.Mid(start, end - start);
        start = end + separator.GetLength();
        if (trim)
        {
            piece.Trim();
            if (piece.IsEmpty())
                continue;
        }
        pieces.Add(piece);
    }
}

bool GetNextRecordFields(const CString& text, const CString& recordSeparator, const CString& fieldSeparator,
                         int& position, CArray<CString>& fields)
{
    fields.RemoveAll();
    int end = recordSeparator.IsEmpty() ? -1 : text.Find(recordSeparator, position);
    if (end < 0)
    {
        position = 0;
        return false;
    }
    SplitString(text.Mid(position, end - position), fieldSeparator, fields, false);
    position = end + recordSeparator.GetLength();
    return true;
}

bool ParseNumberList(const CString& text, const CString& separator, CArray<POINT>& points)
{
    points.RemoveAll();
    for (int i = 0; i < text.GetLength(); ++i)
    {
        bool digit = text[i] >= L'0' && text[i] <= L'9';
        if (!digit && separator.Find(text[i]) < 0)
            return false;
    }

    CArray<CString> pieces;
    SplitString(text, separator, pieces, true);
    CArray<LONG> numbers;
    for (const CString& piece : pieces)
    {
        errno = 0;
        unsigned long number = wcstoul(piece, nullptr, 10);
        if (errno == ERANGE || number > static_cast<unsigned long>(LONG_MAX))
            return false;
        numbers.Add(static_cast<LONG>(number));
    }
    for (int i = 0; i + 1 < numbers.GetSize(); i += 2)
        points.Add(POINT{numbers[i], numbers[i + 1]});
    return true;
}

bool IsNotSingleChar(const CString& text, wchar_t ch)
{
    return !(text.GetLength() == 1 && text[0] == ch);
}
