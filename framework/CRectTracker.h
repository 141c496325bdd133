#pragma once
// CRectTracker: a rubber band the user drags with the left button to mark a rectangle on
// a window. The drag runs its own message loop with the mouse captured, drawing the
// band as an inverted dotted frame, until the button goes up (accepted) or Escape or the
// right button cancels it.
#include <windows.h>

class CRectTracker
{
public:
    enum TrackerHit
    {
        hitNothing = -1,
        hitMiddle = 8
    };

    CRectTracker() = default;

    // hitMiddle when point (client coordinates) lies inside the rectangle, else hitNothing.
    int HitTest(POINT point) const;
    // Drags a band from point (client coordinates of window). allowInvert keeps the corner
    // order of the drag (the rectangle may be inverted); otherwise it is normalised. True
    // when the button went up on a rectangle that is not empty; m_rect holds it.
    bool TrackRubberBand(HWND window, POINT point, bool allowInvert);

    RECT m_rect{};

private:
    // The band as drawn: m_rect normalised.
    RECT Normalized() const;
};
