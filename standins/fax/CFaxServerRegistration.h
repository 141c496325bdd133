#pragma once
// CFaxServerRegistration: the registry entries that make this library the fax server
// class's in-process server (HKEY_CLASSES_ROOT\CLSID\{class} with InprocServer32 naming
// the library, threading model "Both", and the program id "FaxServer.FaxServer").
#include <windows.h>

class CFaxServerRegistration
{
public:
    // Writes the entries for the library at modulePath; the system error on failure.
    static HRESULT Register(const wchar_t* modulePath);
    // Removes them; removing entries that are not there succeeds.
    static HRESULT Unregister();
};
