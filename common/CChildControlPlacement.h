#pragma once
// CChildControlPlacement: keeps one control of a resizable dialog at fixed distances from
// the chosen edges of the dialog's client area. A dialog keeps one per control, calls Init
// when it is created and Reposition on every WM_SIZE.
#include <windows.h>

class CChildControlPlacement
{
public:
    CChildControlPlacement() = default;
    virtual ~CChildControlPlacement() = default;

    // Records the control's distance to each anchored edge of the parent's client area.
    void Init(HWND parent, int controlId, bool anchorLeft, bool anchorTop, bool anchorRight, bool anchorBottom);
    // Moves the control for the new client size and redraws it at once. Anchored to both
    // edges of an axis the control stretches; to one it keeps its size and follows that
    // edge; to none it keeps its place on that axis. Nothing when the control is missing.
    void Reposition(HWND parent, int clientWidth, int clientHeight);

private:
    // -1: not set (the id) or not anchored (an edge).
    int m_controlId = -1;
    int m_left = -1;
    int m_top = -1;
    int m_right = -1;
    int m_bottom = -1;
};
