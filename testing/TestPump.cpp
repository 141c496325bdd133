#include "testing/TestPump.h"

bool PumpUntil(const std::function<bool()>& done, DWORD limitMs)
{
    return AppPumpUntil(done, limitMs);
}

bool PumpUntilSignalled(HANDLE handle, DWORD limitMs)
{
    return PumpUntil([handle] { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }, limitMs);
}

void PumpFor(DWORD ms, const std::function<void(const MSG&)>& seen)
{
    AppMessageFilter filter;
    if (seen)
        filter = [&seen](const MSG& message) {
            seen(message);
            return false;
        };
    AppPumpUntil([] { return false; }, ms, filter);
}
