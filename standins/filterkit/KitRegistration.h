#pragma once
// Registration of a module's filter classes: the COM class (InprocServer32, threading
// model Both) and, through IFilterMapper2, the filter in a category of the system
// device enumerator (a device category such as the audio input devices, or the
// DirectShow filters) with its pins' media types. COM must be initialised.
#include <windows.h>
#include <strmif.h>

struct KitFilterEntry
{
    const CLSID* classId;
    const wchar_t* name;      // the class's and the filter's friendly name
    const CLSID* category;    // the device enumerator's category
    DWORD merit;
    const REGFILTERPINS2* pins;
    ULONG pinCount;
};

// Registers each class in the module at modulePath and its filter in its category.
HRESULT KitRegisterFilters(const KitFilterEntry* entries, int count, const wchar_t* modulePath);
// Registers a class that is no filter (a property page, say) in the module at modulePath.
HRESULT KitRegisterClass(const CLSID& classId, const wchar_t* name, const wchar_t* modulePath);
// Removes the class's key; a key already gone is no failure.
HRESULT KitUnregisterClass(const CLSID& classId);
// Removes what KitRegisterFilters wrote; what is already gone is no failure.
HRESULT KitUnregisterFilters(const KitFilterEntry* entries, int count);
// The full path of the module that holds this code.
HRESULT KitModulePath(wchar_t* path, DWORD size);
