#include "cuehook/HookProcedures.h"
#include "cuehook/HookSlots.h"

namespace
{
UINT CbtActionMessage()
{
    static const UINT message = RegisterWindowMessageW(L"WM_CBTACTION");
    return message;
}

UINT EventActionMessage()
{
    static const UINT message = RegisterWindowMessageW(L"WM_EVENTACTION");
    return message;
}

int NotifyKind(const HookSlot& slot)
{
    return slot.notifyMode & 3;
}

// A callback's address means something only in the process that installed it (the CBT
// hook runs in every process with a user interface).
LRESULT CallSlotCallback(const HookSlot& slot, int code, WPARAM wParam, LPARAM lParam)
{
    if (!slot.callback || slot.ownerProcessId != GetCurrentProcessId())
        return 0;
    return slot.callback(code, wParam, lParam, slot.userValue);
}

// Ctrl+Break: the key-down of VK_CANCEL, which ends a recording.
bool IsCtrlBreak(int code, LPARAM lParam)
{
    const EVENTMSG* event = reinterpret_cast<const EVENTMSG*>(lParam);
    return code == HC_ACTION && event && event->message == WM_KEYDOWN && LOBYTE(event->paramL) == VK_CANCEL;
}

bool IsSystemModalCode(int code)
{
    return code == HC_SYSMODALON || code == HC_SYSMODALOFF;
}

LRESULT DispatchCbtEvent(int code, WPARAM wParam, LPARAM lParam)
{
    const HookSlot& slot = GetHookSlot(kCbtSlot);
    switch (NotifyKind(slot))
    {
    case kHookNotifyWindow:
        return code <= HCBT_SETFOCUS ? SendMessageW(slot.notifyWindow, CbtActionMessage(), code, lParam) : 0;
    case kHookNotifyCallback:
        return CallSlotCallback(slot, code, wParam, lParam);
    default:
        return 0;
    }
}

// Which hook gives the recorder's events (see HookProcedures.h); state of the installing process.
struct RecorderSource
{
    bool journal = false;  // the journal hook gives them
    DWORD lastLowLevel = 0; // time of the last event the low-level hooks gave
    bool anyLowLevel = false;
};
RecorderSource g_source;

bool IsInstallingThread(const HookSlot& slot)
{
    return slot.ownerProcessId == GetCurrentProcessId() && slot.ownerThreadId == GetCurrentThreadId();
}

bool IsWindowOfOtherProcess(HWND window)
{
    DWORD processId = 0;
    return window && GetWindowThreadProcessId(window, &processId) && processId != GetCurrentProcessId();
}

// Whether a journal call on the installing thread gives this event.
bool JournalTakes(int code, LPARAM lParam)
{
    const EVENTMSG* event = reinterpret_cast<const EVENTMSG*>(lParam);
    if (code != HC_ACTION || !event)
        return true;
    if (!g_source.journal && IsWindowOfOtherProcess(event->hwnd))
        g_source.journal = true;
    if (!g_source.journal)
        return false;
    // Input the low-level hooks passed on before the switch reaches the journal later.
    return !g_source.anyLowLevel || static_cast<LONG>(event->time - g_source.lastLowLevel) > 0;
}

LRESULT NotifyRecorderWindow(const HookSlot& slot, int code, LPARAM event, bool ctrlBreak)
{
    if (ctrlBreak)
        SendMessageW(slot.notifyWindow, EventActionMessage(), kHookCodeCtrlBreak, 0);
    else if (code == HC_ACTION)
        return SendMessageW(slot.notifyWindow, EventActionMessage(), 0, event);
    else if (IsSystemModalCode(code))
        PostMessageW(slot.notifyWindow, EventActionMessage(), code, 0);
    return 0;
}
} // namespace

LRESULT DispatchRecorderEvent(int code, LPARAM event)
{
    const HookSlot& slot = GetHookSlot(kRecorderSlot);
    const bool ctrlBreak = IsCtrlBreak(code, event);
    LRESULT result = 0;
    switch (NotifyKind(slot))
    {
    case kHookNotifyWindow:
        result = NotifyRecorderWindow(slot, code, event, ctrlBreak);
        break;
    case kHookNotifyCallback:
        // Ctrl+Break is reported as a code of its own, without the key as an event.
        result = ctrlBreak ? CallSlotCallback(slot, kHookCodeCtrlBreak, 0, 0) : CallSlotCallback(slot, code, 0, event);
        break;
    default:
        return 0;
    }
    if (ctrlBreak)
        HkUninstallRecorder();
    return result;
}

LRESULT DispatchPlayerEvent(int code, LPARAM event)
{
    const HookSlot& slot = GetHookSlot(kPlayerSlot);
    switch (NotifyKind(slot))
    {
    case kHookNotifyWindow:
        if (code == HC_GETNEXT)
            return SendMessageW(slot.notifyWindow, EventActionMessage(), HC_GETNEXT, event);
        if (code == HC_NOREMOVE || IsSystemModalCode(code))
            PostMessageW(slot.notifyWindow, EventActionMessage(), code, 0);
        return 0; // HC_SKIP reaches nobody in window mode
    case kHookNotifyCallback:
        return CallSlotCallback(slot, code, 0, event);
    default:
        return 0;
    }
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0)
        return CallNextHookEx(GetHookSlot(kCbtSlot).hook, code, wParam, lParam);
    return DispatchCbtEvent(code, wParam, lParam);
}

void StartRecorderSource(bool journalOnly)
{
    g_source = RecorderSource{};
    g_source.journal = journalOnly;
}

LRESULT DispatchLowLevelEvent(int code, LPARAM event)
{
    if (g_source.journal)
        return 0;
    g_source.anyLowLevel = true;
    g_source.lastLowLevel = reinterpret_cast<const EVENTMSG*>(event)->time;
    return DispatchRecorderEvent(code, event);
}

LRESULT CALLBACK RecorderHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const HookSlot& slot = GetHookSlot(kRecorderSlot);
    if (code < 0 || !IsInstallingThread(slot))
        return CallNextHookEx(slot.hook, code, wParam, lParam);
    return JournalTakes(code, lParam) ? DispatchRecorderEvent(code, lParam) : 0;
}

LRESULT CALLBACK PlayerHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0)
        return CallNextHookEx(GetHookSlot(kPlayerSlot).hook, code, wParam, lParam);
    NoteSystemPlayback();
    return DispatchPlayerEvent(code, lParam);
}
