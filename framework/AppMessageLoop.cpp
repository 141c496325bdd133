#include "framework/AppMessageLoop.h"

#include <algorithm>

namespace
{
// The condition may change without a message (another process writes a file): it is
// looked at again after at most this many milliseconds.
const DWORD kConditionPoll = 10;

// Dispatches one message taken from the queue; false for WM_QUIT, which is posted again.
bool DispatchOne(const MSG& message, const AppMessageFilter& filter)
{
    if (message.message == WM_QUIT)
    {
        PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (filter && filter(message))
        return true;
    TranslateMessage(&message);
    DispatchMessageW(&message);
    return true;
}
} // namespace

int AppRunMessageLoop()
{
    MSG message;
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0)
    {
        if (got == -1)
            return -1;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

bool AppPumpWaiting(const AppMessageFilter& filter)
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
    {
        if (!DispatchOne(message, filter))
            return false;
    }
    return true;
}

bool AppPumpUntil(const std::function<bool()>& done, DWORD timeout, const AppMessageFilter& filter)
{
    const ULONGLONG start = GetTickCount64();
    for (;;)
    {
        if (done())
            return true;
        if (!AppPumpWaiting(filter))
            return done();
        if (done())
            return true;
        DWORD wait = kConditionPoll;
        if (timeout != INFINITE)
        {
            ULONGLONG spent = GetTickCount64() - start;
            if (spent >= timeout)
                return false;
            wait = static_cast<DWORD>((std::min<ULONGLONG>)(timeout - spent, kConditionPoll));
        }
        // Sent messages are answered inside the wait as well.
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}
