#include "testing/TestInput.h"

#include <vector>

namespace
{
// The marker: the release of a key that no keyboard has, marked in its extra information.
const WORD kMarkerKey = VK_F24;
const ULONG_PTR kMarkerInfo = 0x5E771ED;
// Far beyond the time a marker takes.
const DWORD kMarkerResendMs = 1000;

bool s_markerSeen = false;

// Installed last, so it runs first: it takes the marker out and lets everything else pass.
LRESULT CALLBACK MarkerProbe(int code, WPARAM wParam, LPARAM lParam)
{
    const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && key->vkCode == kMarkerKey && key->dwExtraInfo == kMarkerInfo)
    {
        s_markerSeen = true;
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool QueueIsEmpty()
{
    return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0;
}

void SendMarker()
{
    INPUT marker{};
    marker.type = INPUT_KEYBOARD;
    marker.ki.wVk = kMarkerKey;
    marker.ki.dwFlags = KEYEVENTF_KEYUP;
    marker.ki.dwExtraInfo = kMarkerInfo;
    SendInput(1, &marker, sizeof marker);
}
} // namespace

bool SendInputSettled(const INPUT* inputs, UINT count, const MessageSeen& seen)
{
    s_markerSeen = false;
    HHOOK probe = SetWindowsHookExW(WH_KEYBOARD_LL, MarkerProbe, GetModuleHandleW(nullptr), 0);
    if (count)
        SendInput(count, const_cast<INPUT*>(inputs), sizeof(INPUT));
    // Wine now and then loses a marker on its way: another one follows it after a while.
    bool settled = false;
    const ULONGLONG giveUp = GetTickCount64() + kTestGiveUpMs;
    while (!settled && GetTickCount64() < giveUp)
    {
        SendMarker();
        settled = PumpUntil([] { return s_markerSeen && QueueIsEmpty(); }, kMarkerResendMs, seen);
    }
    UnhookWindowsHookEx(probe);
    return settled;
}

bool InputSettled()
{
    return SendInputSettled(nullptr, 0);
}

INPUT KeyStroke(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT AbsoluteMove(POINT point)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = point.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = point.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

bool SendMoveToSettled(POINT point)
{
    SetCursorPos(point.x, point.y);
    return SendInputSettled(AbsoluteMove(point));
}

bool TypeTextSettled(const wchar_t* text)
{
    std::vector<INPUT> inputs;
    for (const wchar_t* c = text; *c; ++c)
        for (DWORD up : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)})
        {
            INPUT key = {};
            key.type = INPUT_KEYBOARD;
            key.ki.wScan = *c;
            key.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(key);
        }
    return SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size()));
}
