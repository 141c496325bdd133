// The C functions of the library, at the ordinals of Cuehook.def. The hook functions work
// on the shared slots; everything else forwards to the library's event store.
#include "cuehook/CuehookApi.h"
#include "cuehook/HookSlots.h"
#include "cuehook/KeyboardHook.h"
#include "cuehook/LibraryStore.h"

extern "C"
{

    HRESULT HkInstallCBT(void* target, DWORD_PTR userValue, int notifyMode, CString* error)
    {
        return InstallHookSlot(kCbtSlot, target, userValue, notifyMode, error);
    }

    HRESULT HkUninstallCBT()
    {
        return RemoveHookSlot(kCbtSlot);
    }

    HRESULT HkInstallRecorder(void* target, DWORD_PTR userValue, int notifyMode, CString* error)
    {
        return InstallHookSlot(kRecorderSlot, target, userValue, notifyMode, error);
    }

    HRESULT HkUninstallRecorder()
    {
        return RemoveHookSlot(kRecorderSlot);
    }

    HRESULT HkInstallPlayer(void* target, DWORD_PTR userValue, int notifyMode, CString* error)
    {
        return InstallHookSlot(kPlayerSlot, target, userValue, notifyMode, error);
    }

    HRESULT HkUninstallPlayer()
    {
        return RemoveHookSlot(kPlayerSlot);
    }

    bool HkIsRecording()
    {
        return GetLibraryStore().IsRecording();
    }

    bool HkIsRecordingPaused()
    {
        return GetLibraryStore().IsRecordingPaused();
    }

    bool HkStartRecorder(const CString* soundDevice, const WAVEFORMATEX* soundFormat, const CString* inputPin,
                         bool skipMouse, bool skipKeyboard, bool recordSound, bool resetEvents, CString* error)
    {
        return GetLibraryStore().StartRecorder(soundDevice, soundFormat, inputPin, skipMouse, skipKeyboard, recordSound,
                                               resetEvents, error);
    }

    void HkStopRecorder(bool freeEvents)
    {
        GetLibraryStore().StopRecorder(freeEvents);
    }

    void HkPauseRecorder()
    {
        GetLibraryStore().PauseRecorder();
    }

    void HkResumeRecorder()
    {
        GetLibraryStore().ResumeRecorder();
    }

    bool HkIsPlaying()
    {
        return GetLibraryStore().IsPlaying();
    }

    bool HkIsPlayingPaused()
    {
        return GetLibraryStore().IsPlayingPaused();
    }

    bool HkStartPlayer(bool skipMouse, bool skipKeyboard, int, int repeatCount, CString*)
    {
        return GetLibraryStore().StartPlayer(skipMouse, skipKeyboard, repeatCount);
    }

    void HkStopPlayer(bool freeEvents)
    {
        GetLibraryStore().StopPlayer(freeEvents);
        ReleasePlaybackInput();
    }

    void HkPausePlayer()
    {
        GetLibraryStore().PausePlayer();
    }

    void HkResumePlayer()
    {
        GetLibraryStore().ResumePlayer();
    }

    BOOL HkSetSoundFileName(const wchar_t* trainingFile)
    {
        return GetLibraryStore().SetSoundFileName(trainingFile) ? TRUE : FALSE;
    }

    bool HkStartSoundPlayer(const wchar_t*, bool playSound, CString* error)
    {
        return GetLibraryStore().StartSoundPlayer(playSound, error);
    }

    bool HkStopSoundPlayer(CString* error)
    {
        return GetLibraryStore().StopSoundPlayer(error);
    }

    bool HkLoadCBTFile(const wchar_t* path, CString* error)
    {
        return GetLibraryStore().LoadCBTFile(path, error);
    }

    bool HkSaveCBTFile(const wchar_t* path, CString* error)
    {
        return GetLibraryStore().SaveCBTFile(path, error);
    }

    int HkOnRecordEvent(int code, EVENTMSG* event)
    {
        return GetLibraryStore().OnRecordEvent(code, event);
    }

    int HkOnPlayEvent(int code, EVENTMSG* event)
    {
        return GetLibraryStore().OnPlayEvent(code, event);
    }

    int HkOnCBTEvent(int code, EVENTMSG* event)
    {
        return GetLibraryStore().OnCBTEvent(code, event);
    }

    HRESULT HkGetInputPinProperties(UINT_PTR v1, UINT_PTR v2, UINT_PTR v3, UINT_PTR v4, UINT_PTR v5, UINT_PTR v6,
                                    UINT_PTR v7, UINT_PTR v8, UINT_PTR v9)
    {
        const InputPinValues values = {v1, v2, v3, v4, v5, v6, v7, v8, v9};
        return GetLibraryStore().GetInputPinProperties(values);
    }

    BYTE HkSetRecordFlag(int flag)
    {
        return SetTrainingRecordFlag(flag);
    }
}
