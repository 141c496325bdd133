#include "framework/CTtEdit.h"

#include "framework/AppWindowText.h"

void CTtEdit::SetTipText(const wchar_t* text)
{
    m_tipText = text;
    m_customText = !m_tipText.IsEmpty();
}

void CTtEdit::PreSubclassWindow()
{
    if (!m_titleTip.GetSafeHwnd())
        m_titleTip.Create(this);
}

void CTtEdit::TrackMouse()
{
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_HOVER, GetSafeHwnd(), HOVER_DEFAULT};
    TrackMouseEvent(&track);
}

void CTtEdit::ShowTip(POINT point)
{
    const bool buttonDown = GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_MBUTTON) < 0;
    if (buttonDown || (point.x == m_lastClick.x && point.y == m_lastClick.y))
        return;
    RECT format = {};
    SendMessageW(GetSafeHwnd(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    const CString text = AppGetWindowText(GetSafeHwnd());
    if (!m_customText)
    {
        HDC dc = GetDC(GetSafeHwnd());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(GetSafeHwnd(), WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
        SelectObject(dc, old);
        ReleaseDC(GetSafeHwnd(), dc);
        if (size.cx <= format.right - format.left)
            return; // the text fits
    }
    RECT rect = {format.left - 4, format.top - 1, format.right + 4, format.bottom + 3};
    if (m_customText)
        m_titleTip.ShowLines(rect, m_tipText, 2, 1);
    else
        m_titleTip.Show(rect, text);
}

LRESULT CTtEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    message = m_titleTip.OnOwnerMessage(message, wParam, lParam);
    switch (message)
    {
    case WM_MOUSEMOVE:
        if (!m_tracking)
        {
            TrackMouse();
            m_tracking = true;
        }
        break;
    case WM_MOUSEHOVER:
        TrackMouse();
        if (!m_tipShown)
        {
            m_tipShown = true;
            ShowTip(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        break;
    case WM_MOUSELEAVE:
        m_tracking = false;
        m_tipShown = false;
        break;
    case WM_LBUTTONDOWN:
        m_lastClick = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        break;
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}
