#pragma once
// What the docking bars give their child windows: the edge, the font and the help.
#include <windows.h>

// The stock default GUI font, or, when that is missing, an 8-point "MS Sans Serif" made
// for the purpose and returned in owned as well (the caller deletes it; null for the
// stock font); null when none could be had.
HFONT AppBarFont(HFONT& owned);
// The bar's child gets the client edge and the font; false when no font could be had.
bool AppDecorateBarChild(HWND child, HFONT& owned);
// Help for the bar: opens the help file without a topic.
void AppShowBarHelp();
