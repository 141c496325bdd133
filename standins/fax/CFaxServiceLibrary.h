#pragma once
// CFaxServiceLibrary: the caller's side of the fax service. Loads the service library
// with LoadLibrary, so that a program starts where no fax service is installed, and
// answers as the system would without one: creating the fax server fails with
// REGDB_E_CLASSNOTREG ("Class not registered") and the client calls fail.
//
// The library stays loaded while this object lives: release every object it created
// before it goes.
#include "standins/fax/FaxServiceApi.h"

class CFaxServiceLibrary
{
public:
    explicit CFaxServiceLibrary(const wchar_t* libraryName = kFaxServiceLibraryName);
    ~CFaxServiceLibrary();
    CFaxServiceLibrary(const CFaxServiceLibrary&) = delete;
    CFaxServiceLibrary& operator=(const CFaxServiceLibrary&) = delete;

    // True when the library and all its calls were found.
    bool IsLoaded() const;

    // A new fax server object, as CoCreateInstance gives it: REGDB_E_CLASSNOTREG when the
    // service is missing or switched off. The reference is the caller's.
    HRESULT CreateFaxServer(IFaxServer** server) const;
    // The fax client's job parameters and cover-page information, filled with the
    // sender defaults; each freed with FaxFreeBuffer. FALSE (and both null) with the
    // thread's last error set when there are none or no service is installed
    // (ERROR_MOD_NOT_FOUND without the library).
    BOOL FaxCompleteJobParams(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo) const;
    void FaxFreeBuffer(void* buffer) const;

private:
    HMODULE m_module = nullptr;
    PFAXDLLGETCLASSOBJECT m_getClassObject = nullptr;
    PFAXCOMPLETEJOBPARAMSW m_completeJobParams = nullptr;
    PFAXFREEBUFFER m_freeBuffer = nullptr;
};
