#include "framework/AppMainWnd.h"

namespace
{
HWND g_mainWindow = nullptr;
}

HWND AppGetMainWnd()
{
    return g_mainWindow;
}

void AppSetMainWnd(HWND window)
{
    g_mainWindow = window;
}
