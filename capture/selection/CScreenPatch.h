#pragma once
// CScreenPatch: the display's pixels of a rectangle at one moment. A window taken off the
// display leaves it later than the call that hides it (a compositor, or under Wine the X
// server and the windows beneath repaint its place afterwards): a patch read while the
// window showed tells when the display no longer shows it there.
#include <vector>
#include <windows.h>

class CScreenPatch
{
public:
    // Reads the display's pixels of rect now.
    explicit CScreenPatch(const RECT& rect);

    // True while the display shows exactly the pixels read; false also when they could
    // not be read.
    bool IsStillShown() const;

private:
    // The pixels of rect, row by row; empty when they could not be read.
    static std::vector<DWORD> Read(const RECT& rect);

    RECT m_rect;
    std::vector<DWORD> m_pixels;
};
