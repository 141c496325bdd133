// The library's C functions, at the ordinals of HkVell.def, over the process's one watch.
#include "hkvell/HkVellApi.h"
#include "hkvell/CInputWatch.h"
#include "framework/CWnd.h"

namespace
{
CInputWatch g_watch;
}

extern "C"
{
    void HkVellStartWatch(CWnd*)
    {
        g_watch.StartWatch();
    }

    void HkVellStopWatch()
    {
        g_watch.StopWatch();
    }

    bool HkVellIsRightButtonHeld()
    {
        return g_watch.IsRightButtonHeld();
    }

    void HkVellSetCapturing(bool capturing)
    {
        g_watch.SetCapturing(capturing);
    }

    void HkVellSetSelecting(bool selecting)
    {
        g_watch.SetSelecting(selecting);
    }

    void HkVellStartNotify(CWnd* mainWindow)
    {
        g_watch.StartNotify(mainWindow ? mainWindow->GetSafeHwnd() : nullptr);
    }

    void HkVellStopNotify()
    {
        g_watch.StopNotify();
    }

    void HkVellSetRepeatHotKey(int index)
    {
        g_watch.SetRepeatHotKey(index);
    }

    void HkVellSetSelectionType(int type)
    {
        g_watch.SetSelectionType(type);
    }
}
