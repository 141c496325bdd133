// VellScreenSaver.scr: the program Windows starts as the screen saver.
#include "framework/CWinApp.h"
#include "screensaver/CVellScreenSaverApp.h"

#include <commctrl.h>

namespace
{
CVellScreenSaverApp theApp;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!AppWinInit(instance, previous, commandLine, show))
        return 1;
    const int code = theApp.Run();
    AppWinTerm();
    return code;
}
