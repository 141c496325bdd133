#include "cuehook/KeyboardHook.h"
#include "cuehook/CuehookApi.h"

namespace
{
HHOOK g_keyboardHook = nullptr;
HWND g_hotKeyWindow = nullptr;
BYTE g_recordFlag = 1;

bool IsTrainingHotKey(DWORD virtualKey)
{
    return virtualKey == VK_F9 || virtualKey == VK_F11 || virtualKey == VK_F12;
}

// The modifiers are read from the asynchronous key state: the hot keys are global, and
// the hooking thread's own key state follows only the keys its queue has received.
bool ControlAndShiftDown()
{
    return GetAsyncKeyState(VK_CONTROL) < 0 && GetAsyncKeyState(VK_SHIFT) < 0;
}

// The command is posted, not sent: Record runs a nested message loop, which must not run
// inside this hook procedure (the system limits how long a low-level hook may take).
LRESULT CALLBACK TrainingHotKey(int code, WPARAM wParam, LPARAM lParam)
{
    const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && wParam == WM_KEYDOWN && g_hotKeyWindow && key && IsTrainingHotKey(key->vkCode) &&
        ControlAndShiftDown())
    {
        const WORD command = g_recordFlag == 1 ? kHotKeyRecordCommand : kHotKeyPlayCommand;
        PostMessageW(g_hotKeyWindow, WM_COMMAND, command, 0);
    }
    return CallNextHookEx(g_keyboardHook, code, wParam, lParam);
}
} // namespace

BYTE SetTrainingRecordFlag(int flag)
{
    g_recordFlag = LOBYTE(flag);
    return g_recordFlag;
}

HWND GetTrainingHotKeyWindow()
{
    return g_hotKeyWindow;
}

namespace HookCBTKeyboard
{
void InstallGlobalKeyboardProc(HWND notifyWindow)
{
    // A second install would leave the first hook running and every hot key sent twice.
    UnInstallKeyboardProc();
    g_keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, TrainingHotKey, GetModuleHandleW(nullptr), 0);
    g_hotKeyWindow = notifyWindow;
}

void UnInstallKeyboardProc()
{
    if (g_keyboardHook)
        UnhookWindowsHookEx(g_keyboardHook);
    g_keyboardHook = nullptr;
    g_hotKeyWindow = nullptr;
}
} // namespace HookCBTKeyboard
