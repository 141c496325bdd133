// VellRunJobs: performs the one capture job its command line describes and ends. The
// Task Scheduler starts it; it shows no window of its own, reports every failure to
// the event log (source "VellumorJob") and ends with exit code 0 (the job ran or the
// type word named no job), 1 (the framework could not start) or 2 (the job failed and
// the failure was reported).
#include "capture/timing/JobFailureReport.h"
#include "runjobs/CJobRunner.h"
#include "runjobs/CVellumorJobApp.h"

#include <cstdio>
#include <exception>

namespace
{
CVellumorJobApp theApp;

const int kExitDone = 0;
const int kExitNoFramework = 1;
const int kExitFailed = 2;

// Hides the console window when it was made for this process alone; a console that
// the process shares (a command prompt it was started from) stays as it is.
void HideOwnConsole()
{
    HWND console = GetConsoleWindow();
    DWORD processes[2];
    if (console && GetConsoleProcessList(processes, 2) == 1)
        ShowWindow(console, SW_HIDE);
}

// Reports the failure to the event log and, for a user who started the job by hand,
// to the console.
int Fail(const CString& message)
{
    fwprintf(stderr, L"%ls\n", JobFailureText(message).GetString());
    ReportJobFailure(message);
    return kExitFailed;
}

int RunJob(int argc, wchar_t** argv)
{
    try
    {
        CCmdLine cmdLine(argc, argv);
        CJobRunner runner(cmdLine);
        runner.Run();
        return kExitDone;
    }
    catch (const CString& message)
    {
        return Fail(message);
    }
    catch (const std::exception& error)
    {
        return Fail(L"The job stopped on an unexpected error: " + CString(error.what()) + L".");
    }
    catch (...)
    {
        return Fail(L"The job stopped on an unexpected error.");
    }
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    HideOwnConsole();
    if (!AppWinInit(GetModuleHandleW(nullptr), nullptr, GetCommandLineW(), 0))
    {
        fputs("Fatal Error: MFC initialization failed\n", stdout);
        return kExitNoFramework;
    }
    const int code = RunJob(argc, argv);
    AppWinTerm();
    return code;
}
