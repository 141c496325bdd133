// VellTaskMngr: the tasks manager, a dialog-based program that lists the scheduled tasks
// which run the job runner of its own folder, and adds, changes and deletes them.
#include "VellWizSchTask/CTasksManagerApp.h"
#include "common/CInstanceCop.h"

#include <commctrl.h>

namespace
{
CTasksManagerApp theApp;

// One running instance per session; a second start brings the first forward.
const UINT s_instanceQuery =
    CInstanceCop::RegisterGuardName(L"VellumorTasksManager-{57D48F99-94DB-4c7c-9DE8-59D6853CA6A2}");
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show)
{
    if (!AppWinInit(instance, previous, commandLine, show))
        return 1;
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    theApp.InitInstance();
    AppWinTerm();
    return 0;
}
