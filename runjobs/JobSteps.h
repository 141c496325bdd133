#pragma once
// Steps the managers of an unattended job share: the refusal of settings that ask
// for a dialog, the timer start of a capture that repeats or runs once, and the
// error text that is read once.
#include "capture/timing/CWndTimer.h"
#include "framework/CString.h"

#include <functional>

// The text of a start refused because the settings of whose ("destination's",
// "movie's") ask for a dialog, which nobody answers in an unattended job.
CString DialogRefusalText(const wchar_t* whose);

// Starts the timer of a job's capture. setUp stores the capture with the period it
// repeats at in seconds: 0 when CWndTimer::IsSingleCapture (duration, frequency),
// then that one capture is taken now, and its result returned (a failure's event text
// in failure, not reported); otherwise the frequency, and DR_DONE. The step ends after
// duration seconds.
DestinationResult StartJobTimer(CWndTimer& timer, UINT duration, UINT frequency,
                                const std::function<void(CWndTimer& timer, UINT period)>& setUp, CString& failure);

// The pending text, which is emptied; "Unknown error." when there is none.
CString TakeErrorText(CString& pending);
