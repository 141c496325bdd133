#include "framework/CEdit.h"

CString CEdit::GetLine(int line) const
{
    int first = LineIndex(line);
    if (first < 0)
        return CString();
    int length = LineLength(first);
    CString text;
    if (length == 0)
        return text;
    // EM_GETLINE reads the buffer's size from its first word.
    wchar_t* buffer = text.GetBuffer(length + 1);
    buffer[0] = static_cast<wchar_t>(length);
    int copied = static_cast<int>(Send(EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(copied);
    return text;
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD first = 0, last = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CEdit::SetSel(int start, int end, bool noScroll)
{
    Send(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll)
        ScrollCaret();
}
