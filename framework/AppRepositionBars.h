#pragma once
// The layout of a frame's client area: each child with an id in [first, last] (its bars)
// takes its room from the client rectangle in window order by answering WM_SIZEPARENT;
// the child with the id leftOver gets what is left.
#include <windows.h>

// With query set nothing moves and rectParam receives the room left for leftOver. client,
// when given, replaces the parent's client rectangle.
void AppRepositionBars(HWND parent, UINT first, UINT last, UINT leftOver, bool query = false,
                       RECT* rectParam = nullptr, const RECT* client = nullptr, bool stretch = true);
