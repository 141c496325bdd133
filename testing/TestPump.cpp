#include "testing/TestPump.h"

namespace
{
AppMessageFilter Watching(const MessageSeen& seen)
{
    if (!seen)
        return nullptr;
    return [&seen](const MSG& message) {
        seen(message);
        return false;
    };
}
} // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs, const MessageSeen& seen)
{
    return AppPumpUntil(done, limitMs, Watching(seen));
}

bool PumpUntilSignalled(HANDLE handle, DWORD limitMs)
{
    return PumpUntil([handle] { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }, limitMs);
}

bool PumpUntilInFront(HWND window, DWORD limitMs)
{
    return PumpUntil(
        [window] {
            if (GetForegroundWindow() != window)
                SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        limitMs);
}

void PumpFor(DWORD ms, const MessageSeen& seen)
{
    PumpUntil([] { return false; }, ms, seen);
}
