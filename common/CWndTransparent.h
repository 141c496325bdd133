#pragma once
// CWndTransparent: a popup that covers the whole desktop while a capture selects
// its target. Its class has no background brush and it handles no message, so it never
// paints: shown over the desktop it leaves the picture that lay beneath on the screen, and
// with window updates locked to it nothing underneath repaints while it is up.
#include "framework/CWnd.h"

class CWndTransparent : public CWnd
{
public:
    // Takes the desktop's rectangle once; creates no window.
    CWndTransparent();

    // Creates the window covering the desktop and shown, or hidden at its parked spot.
    // A failed creation leaves the object without a window.
    void Create(bool show);
    // true: covers the desktop, comes to the foreground and takes the update lock.
    // false: hides at the parked spot and lifts the thread's update lock.
    // The result of LockWindowUpdate.
    BOOL Show(bool show);

    // Moves the window onto the rectangle (screen coordinates), repainting it when asked.
    bool MoveToRect(const RECT& rect, bool repaint);
    // Locks window updates to this window, or lifts the thread's lock; the system's result.
    BOOL LockUpdates();
    static BOOL UnlockUpdates();
    // Covers the rectangle, shown, in the foreground, with updates locked to the window.
    BOOL ShowAt(const RECT& rect);
    // Takes the desktop window's rectangle (grown by a pixel each side) as the one Show covers.
    void TakeDesktopRect();
    const RECT& GetFullRect() const { return m_rcFull; }

private:
    RECT m_rcParked;
    RECT m_rcFull;
};
