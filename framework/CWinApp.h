#pragma once
// CWinApp: the program's application object. A program makes one static object of a
// class derived from it; AppWinInit then binds the framework to the program's module
// before any window, resource or COM object is used, also in a console program.
#include "framework/CCmdTarget.h"
#include <windows.h>

class CWinApp : public CCmdTarget
{
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    HINSTANCE m_hInstance = nullptr;
    LPWSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = 0;
};

// The program's application object; null before it is constructed.
CWinApp* AppGetApp();

// Makes the module the resource module, stores the start values in the application
// object, and starts COM (apartment-threaded) and Windows Sockets on this thread.
// False when there is no application object or a part cannot start.
bool AppWinInit(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);
// Ends what AppWinInit started on this thread.
void AppWinTerm();
