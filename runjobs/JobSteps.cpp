#include "runjobs/JobSteps.h"

CString DialogRefusalText(const wchar_t* whose)
{
    return L"The " + CString(whose) + L" settings ask for a dialog, which an unattended job cannot show.";
}

DestinationResult StartJobTimer(CWndTimer& timer, UINT duration, UINT frequency,
                                const std::function<void(CWndTimer& timer, UINT period)>& setUp, CString& failure)
{
    const bool single = CWndTimer::IsSingleCapture(duration, frequency);
    setUp(timer, single ? 0 : frequency);
    timer.Start(duration);
    return single ? timer.CaptureNow(failure) : DR_DONE;
}

CString TakeErrorText(CString& pending)
{
    CString text = pending;
    pending.Empty();
    return text.IsEmpty() ? CString(L"Unknown error.") : text;
}
