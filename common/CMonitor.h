#pragma once
// CMonitor: a plain lock (one critical section) that classes sharing data between
// threads derive from or hold. The same thread may lock it again; every Lock needs
// its Unlock.
#include <windows.h>

class CMonitor
{
public:
    CMonitor();
    CMonitor(const CMonitor&) = delete;
    CMonitor& operator=(const CMonitor&) = delete;
    virtual ~CMonitor();

    virtual void Lock();
    virtual void Unlock();

private:
    CRITICAL_SECTION m_section;
};
