#include "screensaver/CScreenSaverDataMonitor.h"

void CScreenSaverDataMonitor::Set(const Reveal& reveal)
{
    Lock();
    m_reveal = reveal;
    Unlock();
}

CScreenSaverDataMonitor::Reveal CScreenSaverDataMonitor::Get()
{
    Lock();
    Reveal reveal = m_reveal;
    Unlock();
    return reveal;
}

CScreenSaverDataMonitor& CScreenSaverDataMonitor::Global()
{
    static CScreenSaverDataMonitor monitor;
    return monitor;
}
