#include "cuehook/HookSlots.h"
#include "cuehook/CLowLevelRecorder.h"
#include "cuehook/CPlaybackDriver.h"
#include "cuehook/HookProcedures.h"
#include "cuehook/LibraryStore.h"
#include "cuehook/SharedSection.h"
#include "framework/AppModule.h"
#include "framework/CFile.h"

namespace
{
struct SharedHookData
{
    LONG processCount;
    HookSlot slots[kHookSlotCount];
};

CUEHOOK_SHARED SharedHookData g_shared = {0, {}};

// The stand-ins of this process.
CLowLevelRecorder g_lowLevelRecorder;
CPlaybackDriver g_playbackDriver;

// Time the system gets to call an installed playback hook before the driver plays.
const UINT kPlaybackGraceMs = 100;

const wchar_t* const kSlotBusyTexts[kHookSlotCount] = {
    L"The CBT hook cannot be installed due to a unknown error.",
    L"The recording hook cannot be installed due to a unknown error.",
    L"The playing hook cannot be installed due to a unknown error.",
};

bool IsPlaybackPaused()
{
    return GetLibraryStore().IsPlayingPaused();
}

bool IsValidSlot(int index)
{
    return index >= 0 && index < kHookSlotCount;
}

ULONGLONG ProcessStartTime(HANDLE process)
{
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

bool IsOwnerAlive(const HookSlot& slot)
{
    if (!slot.ownerProcessId)
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, slot.ownerProcessId);
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED; // a process we may not open still runs
    const bool alive =
        WaitForSingleObject(process, 0) == WAIT_TIMEOUT && ProcessStartTime(process) == slot.ownerStartTime;
    CloseHandle(process);
    return alive;
}

bool IsWindowOfThisProcess(HWND window)
{
    DWORD processId = 0;
    return window && IsWindow(window) && GetWindowThreadProcessId(window, &processId) &&
           processId == GetCurrentProcessId();
}

bool IsOwnedHere(const HookSlot& slot)
{
    return slot.ownerProcessId == GetCurrentProcessId();
}

void ZeroSlot(HookSlot& slot)
{
    slot = HookSlot{};
}

// Installs the slot's hook, or its stand-in; false with the reason in GetLastError.
bool InstallSlotHook(int index, HookSlot& slot)
{
    switch (index)
    {
    case kCbtSlot:
        slot.hook = SetWindowsHookExW(WH_CBT, CbtHookProc, AppGetCodeModule(), 0);
        return slot.hook != nullptr;
    case kRecorderSlot:
    {
        slot.hook = SetWindowsHookExW(WH_JOURNALRECORD, RecorderHookProc, AppGetCodeModule(), 0);
        const bool lowLevel = g_lowLevelRecorder.Install(DispatchLowLevelEvent);
        StartRecorderSource(!lowLevel);
        return slot.hook || lowLevel;
    }
    default: // kPlayerSlot: the driver plays whether or not the system takes the hook
        slot.hook = SetWindowsHookExW(WH_JOURNALPLAYBACK, PlayerHookProc, AppGetCodeModule(), 0);
        g_playbackDriver.Start(DispatchPlayerEvent, IsPlaybackPaused, slot.hook ? kPlaybackGraceMs : 0);
        return true;
    }
}

void StopStandIn(int index)
{
    if (index == kRecorderSlot)
        g_lowLevelRecorder.Uninstall();
    else if (index == kPlayerSlot)
        g_playbackDriver.Stop();
}

void SetError(CString* error, const CString& text)
{
    if (error)
        *error = text;
}
} // namespace

HookSlot& GetHookSlot(int index)
{
    return g_shared.slots[index];
}

HRESULT SetHookSlot(void* target, DWORD_PTR userValue, int notifyMode, int index)
{
    if (!IsValidSlot(index))
        return E_INVALIDARG;
    HookSlot& slot = GetHookSlot(index);
    switch (notifyMode & 3)
    {
    case kHookNotifyWindow: {
        HWND window = static_cast<HWND>(target);
        if (!IsWindowOfThisProcess(window))
            return HRESULT_FROM_WIN32(ERROR_INVALID_WINDOW_HANDLE);
        slot.notifyWindow = window;
        break;
    }
    case kHookNotifyCallback:
        if (!target)
            return HRESULT_FROM_WIN32(ERROR_INVALID_FUNCTION);
        slot.callback = reinterpret_cast<HookEventCallback>(target);
        slot.userValue = userValue;
        break;
    default:
        return HRESULT_FROM_WIN32(ERROR_HOOK_NOT_INSTALLED);
    }
    slot.notifyMode = notifyMode;
    return S_OK;
}

HRESULT InstallHookSlot(int index, void* target, DWORD_PTR userValue, int notifyMode, CString* error)
{
    SetError(error, CString());
    if (!IsValidSlot(index))
        return E_INVALIDARG;
    HookSlot& slot = GetHookSlot(index);
    if (IsOwnerAlive(slot))
    {
        SetError(error, kSlotBusyTexts[index]);
        return HRESULT_FROM_WIN32(ERROR_NOT_SUPPORTED);
    }
    const HookSlot before = slot;
    ZeroSlot(slot); // what an exited owner left
    const HRESULT hr = SetHookSlot(target, userValue, notifyMode, index);
    if (hr != S_OK)
    {
        slot = before;
        return hr;
    }
    // The slot is complete before the hook exists, so the first hook call finds its target.
    slot.ownerProcessId = GetCurrentProcessId();
    slot.ownerThreadId = GetCurrentThreadId();
    slot.ownerStartTime = ProcessStartTime(GetCurrentProcess());
    if (InstallSlotHook(index, slot))
        return S_OK;
    const DWORD failure = GetLastError();
    SetError(error, CFile::FormatSystemError(failure));
    ZeroSlot(slot);
    return HRESULT_FROM_WIN32(failure);
}

HRESULT RemoveHookSlot(int index)
{
    if (!IsValidSlot(index))
        return E_INVALIDARG;
    HookSlot& slot = GetHookSlot(index);
    if (slot.hook && !UnhookWindowsHookEx(slot.hook))
    {
        // A hook the system has dropped already is as good as removed.
        const DWORD failure = GetLastError();
        if (failure != ERROR_INVALID_HOOK_HANDLE)
            return HRESULT_FROM_WIN32(failure);
    }
    if (IsOwnedHere(slot))
        StopStandIn(index);
    ZeroSlot(slot);
    return S_OK;
}

void NoteSystemPlayback()
{
    g_playbackDriver.OnSystemPlayback();
}

void ReleasePlaybackInput()
{
    g_playbackDriver.ReleaseHeldInput();
}

void AddLibraryProcess()
{
    InterlockedIncrement(&g_shared.processCount);
}

void RemoveLibraryProcess()
{
    InterlockedDecrement(&g_shared.processCount);
}
