#include "capture/timing/JobFailureReport.h"

#include "common/CEventLog.h"
#include "common/PathHelpers.h"

namespace
{
const wchar_t* const kEventSource = L"VellumorJob";
const DWORD kEventId = 1;
} // namespace

CString JobFailureText(const CString& message)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    CString text;
    text.Format(L"%02u/%02u/%04u %02u:%02u:%02u  %s", now.wMonth, now.wDay, now.wYear, now.wHour, now.wMinute,
                now.wSecond, message.GetString());
    return text;
}

bool ReportJobFailure(const CString& message)
{
    CEventLog log;
    return log.Report(kEventSource, GetModulePath(), EVENTLOG_ERROR_TYPE, kEventId, JobFailureText(message));
}
