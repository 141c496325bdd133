#pragma once
// CFaxClientLibrary: the system's fax client library, loaded from the system folder for
// as long as the object lives, so that a program starts and runs where no fax service is
// installed. Without the library the sender defaults are simply absent.
#include "common/FaxClientApi.h"

class CFaxClientLibrary
{
public:
    CFaxClientLibrary();
    ~CFaxClientLibrary();
    CFaxClientLibrary(const CFaxClientLibrary&) = delete;
    CFaxClientLibrary& operator=(const CFaxClientLibrary&) = delete;

    // The fax client's job parameters and cover-page information with the sender
    // defaults, each to be freed with FreeBuffer; false (both null) when there are none
    // or there is no library.
    bool CompleteJobParams(FAX_JOB_PARAMW** jobParams, FAX_COVERPAGE_INFOW** coverpageInfo) const;
    void FreeBuffer(void* buffer) const;

private:
    HMODULE m_module;
    PFAXCOMPLETEJOBPARAMSW m_completeJobParams = nullptr;
    PFAXFREEBUFFER m_freeBuffer = nullptr;
};
