#pragma once
// The three hook slots (CBT, recorder, player) in the section that every process loading
// the library shares, so that only one hook of each kind exists system-wide and the CBT
// hook finds its target from whichever process it runs in. A slot belongs to the process
// that installed it; a slot whose process has exited is free again.
//
// The slots are written without a lock: one installer per hook kind is assumed.
#include "cuehook/CuehookApi.h"

enum HookSlotIndex
{
    kCbtSlot,
    kRecorderSlot,
    kPlayerSlot,
    kHookSlotCount
};

struct HookSlot
{
    HHOOK hook;                 // the system hook; null while a stand-in does its work
    int notifyMode;             // only the low two bits count: kHookNotifyWindow, kHookNotifyCallback
    HWND notifyWindow;          // window mode
    DWORD_PTR userValue;        // callback mode, passed back to the callback
    HookEventCallback callback; // callback mode
    DWORD ownerProcessId;       // 0 when the slot is free
    DWORD ownerThreadId;        // the installing thread, where the recorder takes its events
    ULONGLONG ownerStartTime;   // creation time of the owner, so a reused process id is no owner
};

HookSlot& GetHookSlot(int index);

// Stores the target of a slot. Window mode needs a window of the calling process;
// callback mode a callback.
HRESULT SetHookSlot(void* target, DWORD_PTR userValue, int notifyMode, int index);
// Claims a free slot, stores its target and installs its hook. The recorder installs the
// journal-record hook and the low-level hooks together and takes each event once, on the
// installing thread (see HookProcedures.h); the player is driven by the library's own
// playback driver where the system does not drive it.
HRESULT InstallHookSlot(int index, void* target, DWORD_PTR userValue, int notifyMode, CString* error);
// Removes the slot's hook and empties the slot; 0 when nothing is installed.
HRESULT RemoveHookSlot(int index);

// The system called the journal-playback hook itself.
void NoteSystemPlayback();
// The playback stopped: releases the keys and buttons the playback driver pressed.
void ReleasePlaybackInput();

// Count of the processes that have the library loaded.
void AddLibraryProcess();
void RemoveLibraryProcess();
