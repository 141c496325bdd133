#pragma once
// CScreenSaverDataMonitor: what a reveal's worker thread needs, handed over under a lock:
// the memory DC to draw from, the target DC, the transition code and the rectangle. The
// window stores them before it starts the worker and joins the worker before it changes
// or frees any of them; the worker takes a copy under the lock and runs the transition.
#include "common/CMemoryDC.h"
#include "common/CMonitor.h"

class CScreenSaverDataMonitor : public CMonitor
{
public:
    struct Reveal
    {
        CMemoryDC* source = nullptr;
        HDC target = nullptr;
        int code = 0;
        RECT rect = {};
    };

    void Set(const Reveal& reveal);
    Reveal Get();

    // The instance the saver's windows share.
    static CScreenSaverDataMonitor& Global();

private:
    Reveal m_reveal;
};
