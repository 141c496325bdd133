#include "common/CChildControlPlacement.h"

namespace
{
// The control's rectangle in the parent's client coordinates.
RECT ControlRect(HWND parent, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// One axis: near and far are the distances to the two edges (-1 when not anchored).
void PlaceOnAxis(int nearDistance, int farDistance, int clientSize, int& position, int& size)
{
    if (nearDistance >= 0)
        position = nearDistance;
    if (nearDistance >= 0 && farDistance >= 0)
        size = clientSize - nearDistance - farDistance;
    else if (farDistance >= 0)
        position = clientSize - farDistance - size;
}
} // namespace

void CChildControlPlacement::Init(HWND parent, int controlId, bool anchorLeft, bool anchorTop, bool anchorRight,
                                  bool anchorBottom)
{
    m_controlId = controlId;
    m_left = m_top = m_right = m_bottom = -1;
    HWND control = GetDlgItem(parent, controlId);
    if (!control)
        return;
    RECT client;
    GetClientRect(parent, &client);
    RECT rect = ControlRect(parent, control);
    if (anchorLeft)
        m_left = rect.left - client.left;
    if (anchorTop)
        m_top = rect.top - client.top;
    if (anchorRight)
        m_right = client.right - rect.right;
    if (anchorBottom)
        m_bottom = client.bottom - rect.bottom;
}

void CChildControlPlacement::Reposition(HWND parent, int clientWidth, int clientHeight)
{
    HWND control = m_controlId == -1 ? nullptr : GetDlgItem(parent, m_controlId);
    if (!control)
        return;
    RECT rect = ControlRect(parent, control);
    int x = rect.left, y = rect.top;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    PlaceOnAxis(m_left, m_right, clientWidth, x, width);
    PlaceOnAxis(m_top, m_bottom, clientHeight, y, height);
    SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
