#include "capture/pages/CPPagePropsBase.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/ICapturePageHost.h"
#include "framework/AppMessageBox.h"
#include "framework/AppWindowText.h"
#include "framework/CPropertySheet.h"

CPPagePropsBase::CPPagePropsBase(UINT templateId, EnumSendParam type, int pageIndex)
    : CPropertyPage(templateId), m_type(type), m_pageIndex(pageIndex)
{
}

bool CPPagePropsBase::OnSetActive()
{
    auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandle(GetSheetWindow()));
    if (sheet && !sheet->IsSelectingByProgram())
        SaveActivePageIndex(m_type, m_pageIndex, true);
    return CPropertyPage::OnSetActive();
}

LRESULT CPPagePropsBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_RBUTTONDOWN)
        return CPropertyPage::WindowProc(message, wParam, lParam);
    LRESULT result = CPropertyPage::WindowProc(message, wParam, lParam);
    ShowHostActionMenu();
    return result;
}

bool CPPagePropsBase::FailCheck(const CString& text, UINT icon, UINT controlId)
{
    // The user sees the page of the bad value first.
    if (auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandle(GetSheetWindow())))
    {
        const bool selecting = sheet->IsSelectingByProgram();
        sheet->SetSelectingByProgram(true);
        sheet->SetActivePage(sheet->GetPageIndex(this));
        sheet->SetSelectingByProgram(selecting);
    }
    AppMessageBox(text, MB_OK | icon, GetSafeHwnd());
    // A disabled control cannot take the focus; it stays where it is.
    HWND control = controlId ? GetDlgItem(controlId) : nullptr;
    if (control && IsWindowEnabled(control))
        SendMessageW(GetSafeHwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    return false;
}

bool CPPagePropsBase::CheckRequiredTexts(std::initializer_list<RequiredText> required, UINT icon)
{
    for (const RequiredText& text : required)
        if (GetText(text.control).IsEmpty())
            return FailCheck(text.message, icon, text.control);
    return true;
}

CString CPPagePropsBase::LoadText(UINT id, const wchar_t* argument)
{
    CString format;
    format.LoadString(id);
    if (!argument)
        return format;
    CString text;
    text.Format(format, argument);
    return text;
}

CString CPPagePropsBase::GetText(UINT id) const
{
    return AppGetWindowText(GetDlgItem(id));
}

void CPPagePropsBase::SetText(UINT id, const CString& text)
{
    SetWindowTextW(GetDlgItem(id), text);
}

int CPPagePropsBase::GetNumber(UINT id) const
{
    return _wtoi(GetText(id));
}

void CPPagePropsBase::SetNumber(UINT id, int value)
{
    CString text;
    text.Format(L"%d", value);
    SetText(id, text);
}

bool CPPagePropsBase::GetCheck(UINT id) const
{
    return SendMessageW(GetDlgItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CPPagePropsBase::SetCheck(UINT id, bool checked)
{
    SendMessageW(GetDlgItem(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int CPPagePropsBase::GetComboIndex(UINT id) const
{
    return static_cast<int>(SendMessageW(GetDlgItem(id), CB_GETCURSEL, 0, 0));
}

void CPPagePropsBase::SetComboIndex(UINT id, int index)
{
    SendMessageW(GetDlgItem(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

CString CPPagePropsBase::GetComboText(UINT id, int index) const
{
    HWND combo = GetDlgItem(id);
    auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (index < 0 || length == CB_ERR)
        return CString();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    return CString(text.c_str());
}

void CPPagePropsBase::LimitText(UINT id, int length)
{
    SendMessageW(GetDlgItem(id), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void CPPagePropsBase::BindNumber(CNumberEdit& edit, UINT id, int minimum, int maximum)
{
    edit.SetType(CNumberEdit::kUnsigned32);
    edit.SetMin(minimum);
    edit.SetMax(maximum);
    edit.SubclassDlgItem(id, GetSafeHwnd());
    m_numbers.push_back(&edit);
}

// Typing checks only the maximum, and a stored value may lie outside the range: the whole
// range is checked before a record is saved or used.
bool CPPagePropsBase::CheckNumberRanges()
{
    for (CNumberEdit* edit : m_numbers)
    {
        HWND control = edit->GetSafeHwnd();
        if (control && IsWindowEnabled(control) && !edit->IsInRange(AppGetWindowText(control)))
            return FailCheck(edit->GetRangeMessage(), MB_ICONINFORMATION, static_cast<UINT>(GetDlgCtrlID(control)));
    }
    return true;
}

void CPPagePropsBase::BindPath(CTtEdit& edit, UINT id, int length)
{
    edit.SubclassDlgItem(id, GetSafeHwnd());
    LimitText(id, length);
}

void CPPagePropsBase::EnableItem(UINT id, bool enable)
{
    EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}
