#pragma once
// The one path by which the framework reports a failure that has no caller to return
// it to (an exception stopped at a window procedure). The program may install its own
// reporter (the event log, the output window); the default writes to the debugger.
#include "framework/CString.h"

using AppFailureReporter = void (*)(const CString& text);

void AppReportFailure(const CString& text);
// Installs the reporter (null: the default); the previous one is returned.
AppFailureReporter AppSetFailureReporter(AppFailureReporter reporter);
