// Winsock's header must come before windows.h.
#include "framework/CSocket.h"

#include "framework/AppModule.h"
#include "framework/CWinApp.h"

#include <objbase.h>

namespace
{
CWinApp* g_app = nullptr;
bool g_comStarted = false;
} // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AppGetApp()
{
    return g_app;
}

bool AppWinInit(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    if (!g_app || !instance)
        return false;
    g_app->m_hInstance = instance;
    g_app->m_lpCmdLine = commandLine;
    g_app->m_nCmdShow = show;
    AppSetResourceHandle(instance);
    g_comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    return g_comStarted && AppSocketsInit();
}

void AppWinTerm()
{
    if (g_comStarted)
        CoUninitialize();
    g_comStarted = false;
}
