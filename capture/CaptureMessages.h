#pragma once
// Messages the capture engine sends to the program's main window.
#include <windows.h>

// A line for the main window's output bar: lParam is the text (const wchar_t*),
// valid for the duration of the SendMessage call; wParam is 0.
const UINT WM_OUTPUT_TEXT = WM_USER + 135;
