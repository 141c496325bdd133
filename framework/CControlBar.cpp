#include "framework/CControlBar.h"

#include "framework/CDockBar.h"
#include "framework/CDockContext.h"
#include "framework/CFrameWnd.h"

#include <algorithm>
#include <windowsx.h>

namespace
{
// Depth of a docked bar's gripper strip.
const int kGripper = 8;
} // namespace

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    if (m_pDockBar)
        m_pDockBar->RemoveControlBar(this);
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

bool CControlBar::CreateBar(DWORD exStyle, const wchar_t* title, DWORD style, HWND parent, UINT id)
{
    m_dwStyle = style & CBRS_ALL;
    CString className = AppRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT none = {};
    if (!CreateEx(exStyle, className, title, (style & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS, none, parent, id))
        return false;
    if (!m_pDockSite)
        m_pDockSite = CFrameWnd::FromChild(parent);
    if (m_pDockSite)
        m_pDockSite->AddControlBar(this);
    return true;
}

void CControlBar::EnableDocking(DWORD dockStyle)
{
    m_dwDockStyle = dockStyle;
    if (!m_pDockContext)
        m_pDockContext = std::make_unique<CDockContext>(*this);
}

bool CControlBar::IsVisible() const
{
    return GetSafeHwnd() && (GetWindowLongW(GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE);
}

bool CControlBar::IsFloating() const
{
    return m_pDockBar && m_pDockBar->IsFloatingDockBar();
}

SIZE CControlBar::CalcFixedLayout(bool stretch, bool horz)
{
    SIZE size = {0, 0};
    if (stretch)
        (horz ? size.cx : size.cy) = 32767;
    return size;
}

SIZE CControlBar::CalcDynamicLayout(int, DWORD mode)
{
    return CalcFixedLayout((mode & LM_STRETCH) != 0, (mode & LM_HORZ) != 0);
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, bool)
{
}

void CControlBar::OnSizeParent(AFX_SIZEPARENTPARAMS& layout)
{
    if (!IsVisible())
        return;
    DWORD align = m_dwStyle & CBRS_ALIGN_ANY;
    bool horz = (align & CBRS_ORIENT_HORZ) != 0;
    SIZE size = CalcFixedLayout(layout.bStretch != FALSE, horz);
    RECT room = layout.rect;
    size.cx = (std::min)(size.cx, room.right - room.left);
    size.cy = (std::min)(size.cy, room.bottom - room.top);
    RECT place = room;
    switch (align)
    {
    case CBRS_ALIGN_TOP:
        place.bottom = place.top + size.cy;
        layout.rect.top += size.cy;
        break;
    case CBRS_ALIGN_BOTTOM:
        place.top = place.bottom - size.cy;
        layout.rect.bottom -= size.cy;
        break;
    case CBRS_ALIGN_LEFT:
        place.right = place.left + size.cx;
        layout.rect.left += size.cx;
        break;
    case CBRS_ALIGN_RIGHT:
        place.left = place.right - size.cx;
        layout.rect.right -= size.cx;
        break;
    default:
        return; // a bar on no side takes no room
    }
    if (!layout.bStretch)
    {
        if (horz)
            place.right = place.left + size.cx;
        else
            place.bottom = place.top + size.cy;
    }
    if (layout.hDWP)
        layout.hDWP = DeferWindowPos(layout.hDWP, GetSafeHwnd(), nullptr, place.left, place.top,
                                     place.right - place.left, place.bottom - place.top,
                                     SWP_NOACTIVATE | SWP_NOZORDER);
}

RECT CControlBar::GripperRect() const
{
    RECT gripper = {};
    if (!(m_dwStyle & CBRS_GRIPPER) || IsFloating() || !GetSafeHwnd())
        return gripper;
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    OffsetRect(&window, -window.left, -window.top);
    gripper = window;
    if (IsHorz())
        gripper.right = gripper.left + kGripper;
    else
        gripper.bottom = gripper.top + kGripper;
    return gripper;
}

void CControlBar::NcCalcClient(RECT& rect)
{
    RECT gripper = GripperRect();
    if (IsRectEmpty(&gripper))
        return;
    if (IsHorz())
        rect.left += gripper.right - gripper.left;
    else
        rect.top += gripper.bottom - gripper.top;
}

void CControlBar::NcPaint(HDC dc, const RECT& window)
{
    FillRect(dc, &window, GetSysColorBrush(COLOR_BTNFACE));
    RECT gripper = GripperRect();
    if (IsRectEmpty(&gripper))
        return;
    // Two raised ridges along the bar's short side.
    for (int i = 0; i < 2; ++i)
    {
        RECT ridge = gripper;
        if (IsHorz())
        {
            ridge.left += 2 + 3 * i;
            ridge.right = ridge.left + 3;
            InflateRect(&ridge, 0, -2);
        }
        else
        {
            ridge.top += 2 + 3 * i;
            ridge.bottom = ridge.top + 3;
            InflateRect(&ridge, -2, 0);
        }
        DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
    }
}

LRESULT CControlBar::NcHitTest(POINT screen)
{
    RECT window;
    GetWindowRect(GetSafeHwnd(), &window);
    RECT gripper = GripperRect();
    POINT inWindow = {screen.x - window.left, screen.y - window.top};
    if (PtInRect(&gripper, inWindow))
        return HTCAPTION;
    return PtInRect(&window, screen) ? HTCLIENT : HTNOWHERE;
}

void CControlBar::OnNcPaint()
{
    HWND window = GetSafeHwnd();
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    RECT whole;
    GetWindowRect(window, &whole);
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    // Both in window coordinates; the client area is the child's to paint.
    OffsetRect(&client, -whole.left, -whole.top);
    OffsetRect(&whole, -whole.left, -whole.top);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    NcPaint(dc, whole);
    ReleaseDC(window, dc);
}

bool CControlBar::ForwardToDragLoop(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_pDockContext || !m_pDockContext->IsDragging())
        return false;
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message)
    {
    case WM_MOUSEMOVE:
        ClientToScreen(GetSafeHwnd(), &point);
        m_pDockContext->Move(point);
        return true;
    case WM_LBUTTONUP:
        ClientToScreen(GetSafeHwnd(), &point);
        m_pDockContext->EndDrag(point);
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            m_pDockContext->CancelDrag();
        return true;
    case WM_CAPTURECHANGED:
        m_pDockContext->CancelDrag();
        return true;
    default:
        return false;
    }
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ForwardToDragLoop(message, wParam, lParam))
        return 0;
    switch (message)
    {
    case WM_SIZEPARENT:
        OnSizeParent(*reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam));
        return 0;
    case WM_NCCALCSIZE:
        NcCalcClient(*reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_NCPAINT:
        OnNcPaint();
        return 0;
    case WM_NCHITTEST:
        return NcHitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (m_pDockContext && m_pDockContext->OnCaptionMessage(message, wParam, lParam))
            return 0;
        break;
    case WM_COMMAND:
        // Buttons of the bar are commands of its frame.
        if (m_pDockSite)
            return SendMessageW(m_pDockSite->GetSafeHwnd(), WM_COMMAND, wParam, lParam);
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
