#include "framework/CRectTracker.h"

#include "framework/AppMessageLoop.h"

#include <utility>
#include <windowsx.h>

int CRectTracker::HitTest(POINT point) const
{
    RECT rect = Normalized();
    return PtInRect(&rect, point) ? hitMiddle : hitNothing;
}

bool CRectTracker::TrackRubberBand(HWND window, POINT point, bool allowInvert)
{
    m_rect = {point.x, point.y, point.x, point.y};
    SetCapture(window);
    HDC dc = GetDC(window);
    RECT drawn{};
    bool shown = false;
    bool accepted = false;
    bool tracking = true;
    // The band's own messages are taken before dispatch; everything else is dispatched.
    auto track = [&](const MSG& message) {
        switch (message.message)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            m_rect.right = GET_X_LPARAM(message.lParam);
            m_rect.bottom = GET_Y_LPARAM(message.lParam);
            if (!allowInvert)
                m_rect = Normalized();
            if (shown)
                DrawFocusRect(dc, &drawn); // a second draw erases the inverted frame
            drawn = Normalized();
            DrawFocusRect(dc, &drawn);
            shown = true;
            if (message.message == WM_LBUTTONUP)
            {
                accepted = !IsRectEmpty(&drawn);
                tracking = false;
            }
            return true;
        case WM_RBUTTONDOWN:
            tracking = false;
            return true;
        case WM_KEYDOWN:
            if (message.wParam == VK_ESCAPE)
                tracking = false;
            return true;
        default:
            return false;
        }
    };
    AppPumpUntil([&] { return !tracking || GetCapture() != window; }, INFINITE, track);
    if (shown)
        DrawFocusRect(dc, &drawn);
    ReleaseDC(window, dc);
    if (GetCapture() == window)
        ReleaseCapture();
    return accepted;
}

RECT CRectTracker::Normalized() const
{
    RECT rect = m_rect;
    if (rect.left > rect.right)
        std::swap(rect.left, rect.right);
    if (rect.top > rect.bottom)
        std::swap(rect.top, rect.bottom);
    return rect;
}
