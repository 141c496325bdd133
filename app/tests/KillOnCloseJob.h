#pragma once
// KillOnCloseJob: a job object that ends every process in it when its last handle
// closes: when the owner goes, or when the test program itself ends, also killed on its
// time-out. A process started by a process in the job is in the job too.
#include "framework/CString.h"

#include <windows.h>

class KillOnCloseJob
{
public:
    KillOnCloseJob();
    ~KillOnCloseJob();
    KillOnCloseJob(const KillOnCloseJob&) = delete;
    KillOnCloseJob& operator=(const KillOnCloseJob&) = delete;

    // Starts the command line in the folder, suspended until it is in the job, so that
    // nothing it starts can escape the job. False with the reason in GetErrorText.
    bool Start(const CString& commandLine, const CString& folder, PROCESS_INFORMATION& process);
    const CString& GetErrorText() const { return m_errorText; }

private:
    bool Fail(const wchar_t* what);

    HANDLE m_job = nullptr;
    CString m_errorText;
};
