#include "framework/CView.h"

bool CView::Create(HWND parent, UINT id, const RECT& rect, DWORD style)
{
    return !GetSafeHwnd() && CreateViewWindow(parent, id, rect, style | WS_CHILD);
}

bool CView::CreateViewWindow(HWND parent, UINT id, const RECT& rect, DWORD style)
{
    CString viewClass = AppRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                                            GetSysColorBrush(COLOR_WINDOW));
    m_paintsThroughOnDraw = !viewClass.IsEmpty() && CreateEx(0, viewClass, nullptr, style, rect, parent, id);
    return m_paintsThroughOnDraw;
}

void CView::OnInitialUpdate()
{
}

void CView::OnDraw(HDC)
{
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (DecodeCommand(message, wParam, lParam, result))
        return result;
    switch (message)
    {
    case WM_PAINT:
        if (m_paintsThroughOnDraw)
        {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(*this, &paint);
            OnDraw(dc);
            EndPaint(*this, &paint);
            return 0;
        }
        break;
    case WM_MOUSEACTIVATE:
    {
        LRESULT activation = CWnd::WindowProc(message, wParam, lParam);
        // A click on the view, not on one of its controls, gives it the focus.
        if (activation == MA_ACTIVATE || activation == MA_ACTIVATEANDEAT)
        {
            HWND focus = GetFocus();
            if (focus != *this && !IsChild(*this, focus))
                SetFocus(*this);
        }
        return activation;
    }
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
