#include "framework/CTitleTip.h"

#include "framework/CResourceException.h"

#include <algorithm>
#include <cstdlib>

CTitleTip::CTitleTip()
{
    if (!AppRegisterNamedWndClass(kClassName, CS_SAVEBITS, LoadCursor(nullptr, IDC_ARROW),
                                  reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INFOBK + 1))))
        throw CResourceException();
}

CTitleTip::~CTitleTip()
{
    DestroyWindow();
    if (m_font)
        DeleteObject(m_font);
}

bool CTitleTip::Create(CWnd* parent)
{
    m_parent = parent;
    const RECT empty = {};
    return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"", WS_POPUP | WS_BORDER, empty, nullptr, 0);
}

void CTitleTip::Hide()
{
    ShowWindow(GetSafeHwnd(), SW_HIDE);
}

UINT CTitleTip::OnOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSKEYDOWN || (message == WM_SHOWWINDOW && !wParam))
        Hide();
    if (message != WM_LBUTTONDOWN || !m_parent)
        return message;
    if (m_passedPressPending)
    {
        m_passedPressPending = false; // the press the tip posted, not a second one
        return message;
    }
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(m_parent->GetSafeHwnd(), &point);
    const bool second = IsSecondPress(point, static_cast<DWORD>(GetMessageTime()));
    m_lastPressTime = 0;
    return second ? WM_LBUTTONDBLCLK : message;
}

bool CTitleTip::IsSecondPress(POINT point, DWORD time) const
{
    return m_lastPressTime && time - m_lastPressTime <= GetDoubleClickTime() &&
           abs(point.x - m_lastPressPoint.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
           abs(point.y - m_lastPressPoint.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

bool CTitleTip::ResetForShow(const wchar_t* text)
{
    if (m_timed)
    {
        Hide();
        m_timed = false;
        KillTimer(GetSafeHwnd(), kHideTimer);
    }
    return GetSafeHwnd() && m_parent && text && *text && !IsWindowVisible(GetSafeHwnd()) && GetFocus();
}

HFONT CTitleTip::ParentFont() const
{
    return reinterpret_cast<HFONT>(SendMessageW(m_parent->GetSafeHwnd(), WM_GETFONT, 0, 0));
}

int CTitleTip::MeasureText(HDC dc, CString& text)
{
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    SIZE size = {};
    GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
    if (size.cx <= screen)
        return size.cx;
    int length = text.GetLength();
    while (length > 0 && size.cx > screen)
        GetTextExtentPoint32W(dc, text, --length, &size);
    text = text.Left(length > 3 ? length - 3 : length) + (length > 3 ? L"..." : L"");
    GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
    return size.cx;
}

POINT CTitleTip::FitToScreen(RECT& rect)
{
    const RECT before = rect;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (rect.right > width)
        OffsetRect(&rect, width - rect.right, 0);
    if (rect.left < 0)
        OffsetRect(&rect, -rect.left, 0);
    if (rect.bottom > height)
        OffsetRect(&rect, 0, height - rect.bottom);
    if (rect.top < 0)
        OffsetRect(&rect, 0, -rect.top);
    return POINT{rect.left - before.left, rect.top - before.top};
}

void CTitleTip::Show(const RECT& cell, const wchar_t* text, int textOffset, int yOffset, bool timed)
{
    m_yOffset = yOffset;
    if (!ResetForShow(text))
        return;
    m_lines.RemoveAll();
    m_hoverRect = RECT{-textOffset - 1, -1, cell.right - cell.left - textOffset, cell.bottom - cell.top + 1};
    RECT screenCell = cell;
    MapWindowPoints(m_parent->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&screenCell), 2);
    CString shown = text[0] == L' ' ? CString(text) : CString(L" ") + text;

    HDC dc = GetDC(GetSafeHwnd());
    HGDIOBJ oldFont = SelectObject(dc, ParentFont() ? ParentFont() : GetStockObject(DEFAULT_GUI_FONT));
    const int width = MeasureText(dc, shown);
    SelectObject(dc, oldFont);
    ReleaseDC(GetSafeHwnd(), dc);

    RECT tip = {screenCell.left + textOffset, screenCell.top, 0, screenCell.bottom};
    tip.right = tip.left + width + 3;
    if (tip.right <= screenCell.right && !timed)
        return; // the text fits its cell
    const POINT moved = FitToScreen(tip);
    // The hover area keeps covering the cell wherever the tip had to go.
    OffsetRect(&m_hoverRect, -moved.x, -moved.y);
    m_text = shown;
    Place(tip, timed);
}

void CTitleTip::ShowLines(const RECT& rect, const wchar_t* text, int xMargin, int yMargin, bool timed)
{
    if (!ResetForShow(text))
        return;
    m_text = text;
    if (m_text.Right(m_lineSeparator.GetLength()) != m_lineSeparator)
        m_text += m_lineSeparator;
    m_lines.RemoveAll();
    for (int start = 0, end; (end = m_text.Find(m_lineSeparator, start)) >= 0; start = end + m_lineSeparator.GetLength())
        m_lines.Add(m_text.Mid(start, end - start));
    if (!m_font)
    {
        LOGFONTW font = {};
        font.lfHeight = 14;
        wcscpy(font.lfFaceName, L"Arial");
        m_font = CreateFontIndirectW(&font);
    }
    m_xMargin = xMargin;
    m_yMargin = yMargin;

    HDC dc = GetDC(GetSafeHwnd());
    HGDIOBJ oldFont = SelectObject(dc, m_font);
    int widest = 0;
    m_lineHeight = 0;
    for (const CString& line : m_lines)
    {
        SIZE size = {};
        GetTextExtentPoint32W(dc, line, line.GetLength(), &size);
        widest = std::max<int>(widest, size.cx);
        m_lineHeight = std::max<int>(m_lineHeight, size.cy);
    }
    SelectObject(dc, oldFont);
    ReleaseDC(GetSafeHwnd(), dc);

    RECT box = {rect.left - 1, rect.top - 1, 0, 0};
    box.right = box.left + widest + 3 + 2 * xMargin;
    box.bottom = box.top + (m_lineHeight + 1) * m_lines.GetSize() + 2 * yMargin;
    m_hoverRect = RECT{0, 0, std::max(box.right - box.left, rect.right - rect.left),
                       std::max(box.bottom - box.top, rect.bottom - rect.top)};
    MapWindowPoints(m_parent->GetSafeHwnd(), nullptr, reinterpret_cast<POINT*>(&box), 2);
    FitToScreen(box);
    Place(box, timed);
}

void CTitleTip::Place(RECT rect, bool timed)
{
    SetWindowTextW(GetSafeHwnd(), m_lines.IsEmpty() ? m_text.GetString() : m_text.Left(m_text.GetLength() - 1).GetString());
    SetWindowPos(GetSafeHwnd(), HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
    m_timed = timed;
    if (timed)
        SetTimer(GetSafeHwnd(), kHideTimer, m_hideDelay, nullptr);
    else
        SetCapture(GetSafeHwnd());
}

void CTitleTip::Paint()
{
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(GetSafeHwnd(), &paint);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    if (m_lines.IsEmpty())
    {
        HFONT font = m_parent ? ParentFont() : nullptr;
        HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
        TextOutW(dc, 0, 0, m_text, m_text.GetLength());
        SelectObject(dc, old);
    }
    else
    {
        HGDIOBJ old = SelectObject(dc, m_font);
        for (int i = 0; i < m_lines.GetSize(); ++i)
            TextOutW(dc, m_xMargin + 1, (m_lineHeight + 1) * i + m_yMargin + 1, m_lines[i], m_lines[i].GetLength());
        SelectObject(dc, old);
    }
    EndPaint(GetSafeHwnd(), &paint);
}

HWND CTitleTip::PassMouseOn(UINT message, WPARAM wParam, LPARAM lParam)
{
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(GetSafeHwnd(), &point);
    ReleaseCapture();
    Hide();
    HWND target = WindowFromPoint(point);
    if (!target || target == GetSafeHwnd())
        target = m_parent->GetSafeHwnd();
    const LRESULT hit = SendMessageW(target, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    if (hit == HTCLIENT)
    {
        ScreenToClient(target, &point);
        PostMessageW(target, message, wParam, MAKELPARAM(point.x, point.y));
    }
    else
    {
        // WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, ... stand as far from their client forms as
        // WM_NCMOUSEMOVE from WM_MOUSEMOVE.
        PostMessageW(target, message - (WM_MOUSEMOVE - WM_NCMOUSEMOVE), hit, MAKELPARAM(point.x, point.y));
    }
    return target;
}

LRESULT CTitleTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_MOUSEMOVE:
    {
        const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam) + m_yOffset};
        if (!PtInRect(&m_hoverRect, point))
            PassMouseOn(message, wParam, lParam);
        return 0;
    }
    case WM_LBUTTONDOWN:
    {
        // The press's own time: presses may wait in the queue before they are handled.
        const DWORD time = static_cast<DWORD>(GetMessageTime());
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(GetSafeHwnd(), &point);
        const bool doubleClick = IsSecondPress(point, time);
        m_lastPressTime = doubleClick ? 0 : time;
        m_lastPressPoint = point;
        const HWND target = PassMouseOn(doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, wParam, lParam);
        // The tip is hidden now: a second press goes to the owner, which learns from
        // OnOwnerMessage that it ends a double click.
        m_passedPressPending = !doubleClick && target == m_parent->GetSafeHwnd();
        return 0;
    }
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        PassMouseOn(message, wParam, lParam);
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        ReleaseCapture();
        Hide();
        PostMessageW(m_parent->GetSafeHwnd(), message, wParam, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        // The capture went elsewhere (another window took it): a plain tip cannot stay.
        if (!m_timed && reinterpret_cast<HWND>(lParam) != GetSafeHwnd())
            Hide();
        return 0;
    case WM_TIMER:
        if (wParam != kHideTimer)
            break;
        Hide();
        m_timed = false;
        KillTimer(GetSafeHwnd(), kHideTimer);
        return 0;
    default:
        break;
    }
    return DefaultWindowProc(message, wParam, lParam);
}
