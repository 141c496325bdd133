#include "capture/dialogs/ProgramDialogs.h"

#include "capture/dialogs/CDlgLogs.h"
#include "capture/dialogs/CDlgOptions.h"
#include "capture/dialogs/CDlgScLastCapture.h"

void ShowErrorsLog(HWND parent)
{
    CDlgLogs(parent).DoModal();
}

INT_PTR ShowOptions(CGlobalOptions& options, HWND parent)
{
    return CDlgOptions(options, parent).DoModal();
}

void ShowLastCapture(HBITMAP picture, HWND parent)
{
    CDlgScLastCapture(picture, parent).DoModal();
}

void OpenFind(std::unique_ptr<CDlgSearch>& finder, ISearchHost& host, HWND parent)
{
    if (!finder)
    {
        finder = std::make_unique<CDlgSearch>(host, parent);
        if (!finder->Create(parent))
        {
            finder.reset();
            return;
        }
    }
    ShowWindow(*finder, SW_SHOW);
    SetForegroundWindow(*finder);
}
