#include "framework/AppWindowText.h"

CString AppGetWindowText(HWND window)
{
    CString text;
    int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return text;
    int copied = GetWindowTextW(window, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer(copied > 0 ? copied : 0);
    return text;
}

CString AppGetDlgItemText(HWND dialog, UINT id)
{
    HWND item = GetDlgItem(dialog, static_cast<int>(id));
    return item ? AppGetWindowText(item) : CString();
}
