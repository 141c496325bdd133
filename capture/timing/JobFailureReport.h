#pragma once
// The event-log report of a failed unattended job: source "VellumorJob", event id 1,
// one string made of the local time ("%m/%d/%Y %H:%M:%S"), two blanks and the
// failure's text. The message file is the running program.
#include "framework/CString.h"

// The report's text for message.
CString JobFailureText(const CString& message);
// Reports message; false when the event log refused it.
bool ReportJobFailure(const CString& message);
