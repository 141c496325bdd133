#pragma once
// The guard of every window procedure of the framework: no exception leaves a handler
// into user32. One that a handler throws is reported through AppReportFailure, and the
// message gets the default handling instead.
#include "framework/AppFailure.h"
#include "framework/CString.h"

#include <exception>
#include <windows.h>

// Runs handler(); when it throws, reports the failure of the handler of the message
// (windowKind: "window", "control") and returns fallback() instead.
template <class Handler, class Fallback>
LRESULT AppGuardedHandler(const wchar_t* windowKind, UINT message, Handler handler, Fallback fallback)
{
    CString reason;
    try
    {
        return handler();
    }
    catch (const std::exception& failure)
    {
        reason = CString(failure.what());
    }
    catch (...)
    {
        reason = L"an unknown exception";
    }
    CString text;
    text.Format(L"A %s's handler of message 0x%04X failed with %s; the message got the default handling.", windowKind,
                message, reason.GetString());
    AppReportFailure(text);
    return fallback();
}
