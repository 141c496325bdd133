#include "framework/CFormView.h"

#include "framework/AppMessageLoop.h"

namespace
{
// What a pop-up dialog's template has that a child dialog must not.
const DWORD kPopupStyles = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_VISIBLE;
} // namespace

CFormView::~CFormView()
{
    AppRemoveModelessDialog(GetSafeHwnd());
}

bool CFormView::CreateViewWindow(HWND parent, UINT id, const RECT& rect, DWORD style)
{
    DWORD formStyle = (m_template.GetStyle() & ~kPopupStyles) | WS_CHILD | DS_CONTROL;
    if (!m_template.SetStyle(formStyle))
        return false;
    HWND form = m_template.CreateBound(*this, parent);
    if (!form)
        return false;
    SetWindowLongPtrW(form, GWLP_ID, static_cast<LONG_PTR>(id));
    SetWindowLongPtrW(form, GWL_STYLE, GetWindowLongPtrW(form, GWL_STYLE) | (style & ~WS_VISIBLE));
    MoveWindow(form, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    if (style & WS_VISIBLE)
        ShowWindow(form, SW_SHOWNA);
    AppAddModelessDialog(form);
    return true;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
}

LRESULT CFormView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_INITDIALOG:
        return FALSE; // a view takes the focus when the user gives it
    case WM_DESTROY:
        AppRemoveModelessDialog(GetSafeHwnd());
        break;
    default:
        break;
    }
    return CView::WindowProc(message, wParam, lParam);
}
