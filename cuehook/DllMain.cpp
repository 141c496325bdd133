// The library's start and end in each process: the store's sound track is created and
// the shared process count kept.
#include "cuehook/HookSlots.h"
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
        // No audio engine is built into the library yet: a sound recording cannot start
        // and trainings play without their sound.
        g_store.CreateSoundTrack(nullptr);
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
