#include "testing/TestProcess.h"
#include <gtest/gtest.h>

namespace
{
// Made once and never closed: the system closes it as this program ends.
HANDLE TestJob()
{
    static const HANDLE job = [] {
        HANDLE made = CreateJobObjectW(nullptr, nullptr);
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        if (made && !SetInformationJobObject(made, JobObjectExtendedLimitInformation, &limits, sizeof limits))
        {
            CloseHandle(made);
            made = nullptr;
        }
        return made;
    }();
    return job;
}

void Abandon(PROCESS_INFORMATION& process)
{
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    process = {};
}
} // namespace

bool StartTestProcess(const std::wstring& commandLine, PROCESS_INFORMATION& process, const wchar_t* folder,
                      const STARTUPINFOW* startup)
{
    STARTUPINFOW defaults{};
    defaults.cb = sizeof defaults;
    std::wstring line = commandLine;
    process = {};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, folder,
                        const_cast<STARTUPINFOW*>(startup ? startup : &defaults), &process))
        return false;
    const HANDLE job = TestJob();
    if (!job || !AssignProcessToJobObject(job, process.hProcess))
    {
        const DWORD error = GetLastError();
        ADD_FAILURE() << "The started process could not be put in the test program's job (error " << error << ").";
        Abandon(process);
        return false;
    }
    ResumeThread(process.hThread);
    return true;
}
