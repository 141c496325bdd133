#include "capture/pages/CPPageSettsBase.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/CPSheetCaptureBase.h"
#include "capture/pages/ICapturePageHost.h"

CPPageSettsBase::CPPageSettsBase(UINT templateId, int type, int pageIndex, bool actionMenu)
    : CPropertyPage(templateId), m_type(type), m_pageIndex(pageIndex), m_actionMenu(actionMenu)
{
}

bool CPPageSettsBase::OnSetActive()
{
    auto* sheet = dynamic_cast<CPropertySheet*>(CWnd::FromHandle(GetSheetWindow()));
    if (sheet && !sheet->IsSelectingByProgram())
        SaveActivePageIndex(m_type, m_pageIndex, false);
    return CPropertyPage::OnSetActive();
}

LRESULT CPPageSettsBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CPropertyPage::WindowProc(message, wParam, lParam);
    if (message == WM_RBUTTONDOWN && m_actionMenu)
        ShowHostActionMenu();
    return result;
}

int CPPageSettsBase::GetSheetType() const
{
    auto* sheet = dynamic_cast<CPSheetCaptureBase*>(CWnd::FromHandle(GetSheetWindow()));
    return sheet ? sheet->GetShownType() : 0;
}

void CPPageSettsBase::FillHotKeyCombo(UINT id, int index)
{
    HWND combo = GetDlgItem(id);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* text : {L"Ctrl + Shift + F9", L"Ctrl + Shift + F11", L"Ctrl + Shift + F12"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int CPPageSettsBase::GetComboIndex(UINT id) const
{
    return static_cast<int>(SendMessageW(GetDlgItem(id), CB_GETCURSEL, 0, 0));
}

bool CPPageSettsBase::IsChecked(UINT id) const
{
    return SendMessageW(GetDlgItem(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CPPageSettsBase::SetCheck(UINT id, bool checked)
{
    SendMessageW(GetDlgItem(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
