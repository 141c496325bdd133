#pragma once
// Cuehook.dll, the hook library of training capture: the system-wide CBT, journal-record
// and journal-playback hooks, the recorded-event store they feed and the training file.
// The C functions are exported at fixed ordinals only (see Cuehook.def); callers link the
// import library, which imports them by ordinal. The two keyboard-hook functions are
// exported by name.
//
// Every install function returns a negative HRESULT on failure with a full-sentence
// reason in *error. A hook's events go either to a window (notify mode 1, by the
// registered messages "WM_CBTACTION" and "WM_EVENTACTION") or to a callback (mode 2).
#include "framework/CString.h"
#include <mmreg.h>

const int kHookNotifyWindow = 1;
const int kHookNotifyCallback = 2;
// The recorder's report of Ctrl+Break (code of the callback or wParam of the message);
// the recording hook has removed itself when it arrives.
const int kHookCodeCtrlBreak = 0x100;
// WM_COMMAND identifiers that the training hot keys send to the notify window.
const WORD kHotKeyRecordCommand = 1131;
const WORD kHotKeyPlayCommand = 1135;

// Called for every hook code of 0 or more; its result becomes the hook's result.
// userValue is the value given at install time.
typedef LRESULT(CALLBACK* HookEventCallback)(int code, WPARAM wParam, LPARAM lParam, DWORD_PTR userValue);

extern "C"
{
    // target: the notify window (mode 1, a window of the calling process) or the callback (mode 2).
    HRESULT HkInstallCBT(void* target, DWORD_PTR userValue, int notifyMode, CString* error);      // ordinal 1
    HRESULT HkUninstallCBT();                                                                     // 2
    HRESULT HkInstallRecorder(void* target, DWORD_PTR userValue, int notifyMode, CString* error); // 3
    HRESULT HkUninstallRecorder();                                                                // 4
    HRESULT HkInstallPlayer(void* target, DWORD_PTR userValue, int notifyMode, CString* error);   // 5
    HRESULT HkUninstallPlayer();                                                                  // 6
    bool HkIsRecording();                                                                         // 7
    bool HkIsRecordingPaused();                                                                   // 8
    bool HkStartRecorder(const CString* soundDevice, const WAVEFORMATEX* soundFormat, const CString* inputPin,
                         bool skipMouse, bool skipKeyboard, bool recordSound, bool resetEvents, CString* error); // 9
    void HkStopRecorder(bool freeEvents);                                                                        // 10
    void HkPauseRecorder();                                                                                      // 11
    void HkResumeRecorder();                                                                                     // 12
    bool HkIsPlaying();                                                                                          // 13
    bool HkIsPlayingPaused();                                                                                    // 14
    // playSound and error are not used; always true.
    bool HkStartPlayer(bool skipMouse, bool skipKeyboard, int playSound, int repeatCount, CString* error); // 15
    void HkStopPlayer(bool freeEvents);                                                                    // 16
    void HkPausePlayer();                                                                                  // 17
    void HkResumePlayer();                                                                                 // 18
    BOOL HkSetSoundFileName(const wchar_t* trainingFile);                                                  // 19
    // trainingFile is not used: the sound track is the loaded training's.
    bool HkStartSoundPlayer(const wchar_t* trainingFile, bool playSound, CString* error); // 20
    bool HkStopSoundPlayer(CString* error);                                               // 21
    bool HkLoadCBTFile(const wchar_t* path, CString* error);                              // 22
    bool HkSaveCBTFile(const wchar_t* path, CString* error);                              // 23
    int HkOnRecordEvent(int code, EVENTMSG* event);                                       // 24
    int HkOnPlayEvent(int code, EVENTMSG* event);                                         // 25
    int HkOnCBTEvent(int code, EVENTMSG* event);                                          // 26
    HRESULT HkGetInputPinProperties(UINT_PTR v1, UINT_PTR v2, UINT_PTR v3, UINT_PTR v4, UINT_PTR v5, UINT_PTR v6,
                                    UINT_PTR v7, UINT_PTR v8, UINT_PTR v9); // 27
    BYTE HkSetRecordFlag(int flag);                                         // 28
}

// The training hot keys: Ctrl+Shift+F9, F11 or F12 post WM_COMMAND 1131 (record flag 1)
// or 1135 (any other record flag) to the notify window. Keys are never swallowed.
namespace HookCBTKeyboard
{
// Replaces any keyboard hook this process installed before.
void InstallGlobalKeyboardProc(HWND notifyWindow);
void UnInstallKeyboardProc();
} // namespace HookCBTKeyboard
