#include "framework/AppFailure.h"

namespace
{
void ReportToDebugger(const CString& text)
{
    OutputDebugStringW(text + L"\n");
}

AppFailureReporter g_reporter = &ReportToDebugger;
} // namespace

void AppReportFailure(const CString& text)
{
    g_reporter(text);
}

AppFailureReporter AppSetFailureReporter(AppFailureReporter reporter)
{
    AppFailureReporter previous = g_reporter;
    g_reporter = reporter ? reporter : &ReportToDebugger;
    return previous;
}
