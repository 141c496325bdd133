#pragma once
// Test support for the job runner: VellRunJobs.exe started as its own process with a job
// line, its exit code and the event-log entries it added.
#include "common/CEventLog.h"
#include "testing/TestProcess.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace job_test
{
const DWORD kJobTimeoutMs = 60000;

inline CStringArray JobEntries()
{
    CStringArray texts;
    CEventLog log;
    log.Read(nullptr, L"VellumorJob", texts);
    return texts;
}

// What one run of the job runner left behind.
struct JobRun
{
    DWORD exitCode = STILL_ACTIVE;
    // The event-log entries of "VellumorJob" the run added, without their time.
    std::vector<std::wstring> entries;
    // Entries whose text does not start with the report's time and two blanks.
    int untimedEntries = 0;
};

// Runs VellRunJobs.exe with the arguments and waits for it, dispatching this thread's
// messages meanwhile (the test's windows must stay painted for the job to grab them).
// whileRunning, when given, is called every few milliseconds until the job has ended.
inline JobRun RunJob(const CString& arguments, const std::function<void()>& whileRunning = nullptr)
{
    JobRun run;
    const int before = JobEntries().GetSize();
    PROCESS_INFORMATION process = {};
    if (!StartTestProcess((L"\"" + TestProgramFolder() + L"\\VellRunJobs.exe\" " + arguments).GetString(), process))
        return run;
    const bool ended = PumpUntil(
        [&] {
            if (whileRunning)
                whileRunning();
            return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0;
        },
        kJobTimeoutMs);
    if (!ended)
        TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const std::wregex timed(L"^\\d{2}/\\d{2}/\\d{4} \\d{2}:\\d{2}:\\d{2}  ");
    CStringArray texts = JobEntries();
    for (int i = before; i < texts.GetSize(); ++i)
    {
        std::wstring text = texts[i].GetString();
        std::wsmatch time;
        if (std::regex_search(text, time, timed))
            run.entries.push_back(time.suffix().str());
        else
            ++run.untimedEntries;
    }
    return run;
}
} // namespace job_test
