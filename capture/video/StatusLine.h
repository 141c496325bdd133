#pragma once
// The status line of the video recorder: a plain window of class "VellumorStatusClass"
// holding one "SText" child (identifier 1) that paints one line of text in a sunken,
// button-coloured strip. The brushes and the font are shared by every status line of
// the program and counted: each StatusInit takes them (making them when none exist),
// each status window destroyed gives its share back, and the last one deletes them.
#include <windows.h>

// Takes the shared tools; unless previousInstance is set, registers both classes.
// True when the classes are registered (or were not to be).
bool StatusInit(HINSTANCE instance, bool previousInstance);
// One and a half times the status font's text height.
int StatusGetHeight();
// Sets the line's text; null or empty clears it.
void StatusSetText(HWND status, const wchar_t* text);
// Makes the tools when none exist (and takes no share), or deletes them.
void StatusCreateTools();
void StatusDeleteTools();

LRESULT CALLBACK StatusWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK STextWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
