#include "framework/CDataExchange.h"

#include "framework/AppWindowText.h"

#include <cerrno>
#include <cwchar>
#include <climits>

HWND CDataExchange::PrepareControl(UINT id)
{
    m_lastControl = GetDlgItem(m_dialog, static_cast<int>(id));
    return m_lastControl;
}

void CDataExchange::Fail(const CString& text)
{
    if (m_failed)
        return;
    m_failed = true;
    m_failureText = text;
}

bool AppParseInt(const CString& text, int& value)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    long long parsed = std::wcstoll(trimmed, &end, 10);
    if (*end != L'\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

CString AppIntRangeText(int minimum, int maximum)
{
    CString text;
    text.Format(L"Enter an integer between %d and %d.", minimum, maximum);
    return text;
}

namespace
{
// The control of the id when the run goes on; null after a failure or for a missing id.
HWND Control(CDataExchange& dx, UINT id)
{
    return dx.HasFailed() ? nullptr : dx.PrepareControl(id);
}

int SelectedIndex(HWND control, UINT getMessage)
{
    return static_cast<int>(SendMessageW(control, getMessage, 0, 0));
}
} // namespace

void DDX_Text(CDataExchange& dx, UINT id, CString& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (dx.IsSaving())
        value = AppGetWindowText(control);
    else
        SetWindowTextW(control, value);
}

void DDX_Text(CDataExchange& dx, UINT id, int& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (!dx.IsSaving())
    {
        CString text;
        text.Format(L"%d", value);
        SetWindowTextW(control, text);
        return;
    }
    int parsed = 0;
    if (AppParseInt(AppGetWindowText(control), parsed))
        value = parsed;
    else
        dx.Fail(L"Enter an integer.");
}

void DDX_Check(CDataExchange& dx, UINT id, int& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (dx.IsSaving())
        value = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange& dx, UINT id, int& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (dx.IsSaving())
        value = -1;
    int index = 0;
    for (HWND button = control; button; button = GetWindow(button, GW_HWNDNEXT), ++index)
    {
        if (button != control && (GetWindowLongPtrW(button, GWL_STYLE) & WS_GROUP))
            break;
        if (dx.IsSaving() && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
            value = index;
        else if (!dx.IsSaving())
            SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void DDX_CBIndex(CDataExchange& dx, UINT id, int& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (dx.IsSaving())
        value = SelectedIndex(control, CB_GETCURSEL);
    else
        SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDX_CBString(CDataExchange& dx, UINT id, CString& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (dx.IsSaving())
    {
        value = AppGetWindowText(control);
        return;
    }
    LRESULT found = SendMessageW(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(value.GetString()));
    SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    // A drop-down combo box shows a text of its own when no item holds it.
    if (found == CB_ERR)
        SetWindowTextW(control, value);
}

void DDX_LBIndex(CDataExchange& dx, UINT id, int& value)
{
    HWND control = Control(dx, id);
    if (!control)
        return;
    if (dx.IsSaving())
        value = SelectedIndex(control, LB_GETCURSEL);
    else
        SendMessageW(control, LB_SETCURSEL, static_cast<WPARAM>(value), 0);
}

void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum)
{
    if (dx.IsSaving() && !dx.HasFailed() && (value < minimum || value > maximum))
        dx.Fail(AppIntRangeText(minimum, maximum));
}

void DDV_MaxChars(CDataExchange& dx, const CString& value, int maxLength)
{
    if (dx.HasFailed())
        return;
    if (!dx.IsSaving())
    {
        SendMessageW(dx.GetLastControl(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
        return;
    }
    if (value.GetLength() > maxLength)
    {
        CString text;
        text.Format(L"Enter no more than %d characters.", maxLength);
        dx.Fail(text);
    }
}
