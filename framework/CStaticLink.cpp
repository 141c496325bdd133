#include "framework/CStaticLink.h"

#include "framework/CWaitCursor.h"

#include <shellapi.h>

CStaticLink::CStaticLink() : m_cursor(LoadCursor(nullptr, IDC_HAND))
{
}

CStaticLink::~CStaticLink()
{
    if (m_font)
        DeleteObject(m_font);
}

void CStaticLink::SetLink(const wchar_t* link)
{
    if (link && *link)
        m_link = link;
}

LRESULT CStaticLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR && m_cursor)
    {
        SetCursor(m_cursor);
        return TRUE;
    }
    return DefaultWindowProc(message, wParam, lParam);
}

bool CStaticLink::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_CTLCOLORSTATIC)
        return OnControlColour(reinterpret_cast<HDC>(wParam), result);
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED)
    {
        OnClicked();
        result = 0;
        return true;
    }
    return false;
}

bool CStaticLink::OnControlColour(HDC dc, LRESULT& result)
{
    const LONG_PTR style = GetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE);
    // Without SS_NOTIFY a static reports no clicks.
    if (!(style & SS_NOTIFY))
        SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, style | SS_NOTIFY);
    // Only the text styles (SS_LEFT, SS_CENTER, SS_RIGHT) are drawn as a link.
    if ((style & 0xFF) >= 3)
        return false;
    if (!m_font)
    {
        LOGFONTW font = {};
        HFONT current = reinterpret_cast<HFONT>(SendMessageW(GetSafeHwnd(), WM_GETFONT, 0, 0));
        GetObjectW(current ? current : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
        font.lfUnderline = TRUE;
        m_font = CreateFontIndirectW(&font);
    }
    SelectObject(dc, m_font);
    SetTextColor(dc, m_visited ? m_visitedColour : m_linkColour);
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(HOLLOW_BRUSH));
    return true;
}

void CStaticLink::OnClicked()
{
    CWaitCursor wait;
    if (m_link.IsEmpty())
    {
        wchar_t text[1024] = {};
        GetWindowTextW(GetSafeHwnd(), text, 1024);
        m_link = text;
    }
    if (m_link.IsEmpty())
        return;
    const HINSTANCE opened = ShellExecuteW(nullptr, L"open", m_link, nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) > 32)
    {
        m_visited = true;
        InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    }
    else
    {
        MessageBeep(0);
    }
}
