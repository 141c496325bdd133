// Vellumor: the main program. One instance runs per session; it shows the main window
// until the user exits, and ends with 0 (or 1 when the main window could not be made).
#include "app/CVellumorApp.h"
#include "common/CInstanceCop.h"
#include "framework/AppMessageBox.h"
#include "framework/AppMessageLoop.h"

#include <exception>

namespace
{
CVellumorApp theApp;
// The guard of the single instance and the message by which a second start finds the first.
const UINT s_instanceQuery = CInstanceCop::RegisterGuardName(L"Vellumor-{6A0F3C52-8E1D-4B7A-9C2E-51D4F7A8B903}");

const int kExitNoWindow = 1;

int Run()
{
    if (!theApp.InitInstance())
        return kExitNoWindow;
    return AppRunMessageLoop();
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    theApp.m_hInstance = instance;
    theApp.m_lpCmdLine = commandLine;
    theApp.m_nCmdShow = show;
    int exitCode = kExitNoWindow;
    try
    {
        exitCode = Run();
    }
    catch (const std::exception& failure)
    {
        AppMessageBox(L"Vellumor stopped on an unexpected error: " + CString(failure.what()), MB_OK | MB_ICONERROR);
    }
    theApp.ExitInstance();
    AppWinTerm();
    return exitCode;
}
