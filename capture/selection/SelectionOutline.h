#pragma once
// The dashed outline of a selection, drawn straight onto the display: four white pixels,
// four red, again and again, the dash running on from one segment (and one call) to the
// next through a counter the process shares.
#include <vector>
#include <windows.h>

const COLORREF kOutlineWhite = RGB(255, 255, 255);
const COLORREF kOutlineRed = RGB(255, 0, 0);

// A line from each point to the next, with two points or more.
void DrawSelectionOutline(const std::vector<POINT>& points);
// One pixel of the dash: the counter runs 1..8; 1..4 white, 5..8 red.
void DrawOutlinePixel(int x, int y, HDC dc);
// The next pixel is the first of a dash again (a new selection).
void ResetOutlineDash();
