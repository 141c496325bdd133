// The library's start and end in each process: the store's sound track is created and
// the shared process count kept.
#include "cuehook/CSoundTrackAudioEngine.h"
#include "cuehook/HookSlots.h"
#include "cuehook/KeyboardHook.h"
#include "cuehook/LibraryStore.h"

namespace
{
CEventManager g_store;
}

CEventManager& GetLibraryStore()
{
    return g_store;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    switch (reason)
    {
    case DLL_PROCESS_ATTACH:
        // Each recording or playback of the sound track gets an engine of its own that
        // reports to the window the training hot keys go to when it is made.
        g_store.CreateSoundTrack(
            [] { return std::make_unique<CSoundTrackAudioEngine>(GetTrainingHotKeyWindow()); });
        AddLibraryProcess();
        break;
    case DLL_PROCESS_DETACH:
        RemoveLibraryProcess();
        break;
    default:
        break;
    }
    return TRUE;
}
