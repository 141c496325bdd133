#pragma once
// The data a timed capture's manual selection is given as text: comma-separated x, y
// pairs for the shapes, a window's name for the window type, nothing for the active
// window and the desktop.
#include "Info/InfoEnums.h"
#include "framework/CString.h"

#include <vector>
#include <windows.h>

// The points as "x,y,x,y,...".
CString FormatSelectionPoints(const std::vector<POINT>& points);
// The text's points; false when it is not comma-separated whole-number pairs.
bool ParseSelectionPoints(const CString& text, std::vector<POINT>& points);
// 0 when the text serves the type, else the id of the text that says why it does not.
UINT CheckSelectionText(EnumScreenCaptureType type, const CString& text);
