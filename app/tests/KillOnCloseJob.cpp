#include "app/tests/KillOnCloseJob.h"

#include "common/SystemHelpers.h"

KillOnCloseJob::KillOnCloseJob() : m_job(CreateJobObjectW(nullptr, nullptr))
{
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (!m_job)
        Fail(L"The job object could not be created");
    else if (!SetInformationJobObject(m_job, JobObjectExtendedLimitInformation, &limits, sizeof limits))
        Fail(L"The job object's kill-on-close limit could not be set");
}

KillOnCloseJob::~KillOnCloseJob()
{
    if (m_job)
        CloseHandle(m_job);
}

bool KillOnCloseJob::Start(const CString& commandLine, const CString& folder, PROCESS_INFORMATION& process)
{
    if (!m_errorText.IsEmpty())
        return false;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    CString line = commandLine;
    if (!CreateProcessW(nullptr, line.GetBuffer(line.GetLength()), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        folder, &startup, &process))
        return Fail(L"The process could not be started");
    if (!AssignProcessToJobObject(m_job, process.hProcess))
    {
        Fail(L"The process could not be put into the job object");
        TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        process = {};
        return false;
    }
    ResumeThread(process.hThread);
    return true;
}

bool KillOnCloseJob::Fail(const wchar_t* what)
{
    m_errorText = CString(what) + L": " + GetSystemErrorText(GetLastError()) + L".";
    return false;
}
