#include "VellWizSchTask/CTasksManagerApp.h"

#include "VellWizSchTask/CDlgTasks.h"
#include "VellWizSchTask/CTaskScheduler.h"
#include "common/CRegistry.h"

const wchar_t kWizSaKey[] = L"Software\\Talvono Software\\Talvono Vellumor\\WizSa";
const wchar_t kWizSaValue[] = L"VellWizSa";

bool CTasksManagerApp::InitInstance()
{
    CRegistry key;
    CString error;
    DWORD flag = 0;
    m_standAlone = key.Open(HKEY_LOCAL_MACHINE, kWizSaKey, true, error) && key.GetDWORD(kWizSaValue, &flag, error) &&
                   flag != 0;
    key.Close();

    CTaskScheduler scheduler;
    CDlgTasks dialog(scheduler, m_standAlone);
    dialog.DoModal();

    if (key.Open(HKEY_LOCAL_MACHINE, kWizSaKey, true, error))
        key.SetDWORD(kWizSaValue, 1, error);
    return false;
}
