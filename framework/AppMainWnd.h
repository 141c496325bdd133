#pragma once
// The program's main window: the one that help requests and idle processing go to.
#include <windows.h>

// Null until the program sets it.
HWND AppGetMainWnd();
void AppSetMainWnd(HWND window);
