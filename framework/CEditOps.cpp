#include "framework/CEditOps.h"

CString AppEditGetLine(HWND edit, int line)
{
    int first = static_cast<int>(SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0));
    if (first < 0)
        return CString();
    int length = static_cast<int>(SendMessageW(edit, EM_LINELENGTH, static_cast<WPARAM>(first), 0));
    CString text;
    if (length == 0)
        return text;
    // EM_GETLINE reads the buffer's size from its first word.
    wchar_t* buffer = text.GetBuffer(length + 1);
    buffer[0] = static_cast<wchar_t>(length);
    int copied = static_cast<int>(
        SendMessageW(edit, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer)));
    text.ReleaseBuffer(copied);
    return text;
}
