#include "common/CMonitor.h"

CMonitor::CMonitor()
{
    InitializeCriticalSection(&m_section);
}

CMonitor::~CMonitor()
{
    DeleteCriticalSection(&m_section);
}

void CMonitor::Lock()
{
    EnterCriticalSection(&m_section);
}

void CMonitor::Unlock()
{
    LeaveCriticalSection(&m_section);
}
