#include "VellWizSchTask/CDlgTasks.h"

#include "VellWizSchTask/CTaskScheduler.h"
#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "VellWizSchTask/JobLineText.h"
#include "VellWizSchTask/TaskMngrResources.h"
#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"
#include "runjobs/CCmdLine.h"

#include <vector>

CDlgTasks::CDlgTasks(CTaskScheduler& scheduler, bool standAlone, HWND parent)
    : CDialog(IDD_TASKS, parent), m_instanceCop(true),
      m_icon(LoadIconW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDI_TASKS))), m_scheduler(scheduler),
      m_standAlone(standAlone)
{
}

CDlgTasks::~CDlgTasks()
{
    // The list stores its widths and frees its rows while it is still this object's.
    DestroyWindow();
}

BOOL CDlgTasks::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_standAlone)
    {
        SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
        SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
        HMENU menu = GetSystemMenu(GetSafeHwnd(), FALSE);
        CString about;
        about.LoadString(IDS_TASKS_ABOUT);
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_TASKS_ABOUT, about);
    }
    m_list.Attach(IDC_TASKS_LIST, GetSafeHwnd());
    m_list.Refresh(m_scheduler);
    UpdateButtons();
    return TRUE;
}

void CDlgTasks::UpdateButtons()
{
    const int selected = m_list.GetSelectedCount();
    EnableWindow(GetDlgItem(IDC_TASKS_DELETE), selected > 0);
    EnableWindow(GetDlgItem(IDC_TASKS_MODIFY), selected == 1);
}

void CDlgTasks::OnDelete()
{
    CString failed;
    if (m_list.DeleteSelected(m_scheduler, failed))
        return UpdateButtons();
    CString text;
    text.LoadString(IDS_TASKS_DELETE_FAILED);
    CString message;
    message.Format(text, failed.GetString());
    UpdateButtons();
    AppMessageBox(message, MB_OK, GetSafeHwnd());
}

namespace
{
// Hands the task's job line to the wizard's pages; a line the runner's reader refuses
// leaves them at their defaults.
void TransferTaskJob(const CTaskRecord& task, CWizTaskPropSheet& wizard)
{
    CStringArray args;
    SplitCommandLine(task.parameters, args);
    std::vector<const wchar_t*> argv;
    for (int i = 0; i < args.GetSize(); ++i)
        argv.push_back(args[i].GetString());
    try
    {
        const CCmdLine job(static_cast<int>(argv.size()), argv.data(), false);
        wizard.TransferParsedJob(job);
    }
    catch (const CString&)
    {
    }
}
} // namespace

void CDlgTasks::RunWizard(const CTaskRecord* task)
{
    CWizTaskPropSheet wizard(m_scheduler, task == nullptr);
    if (task)
    {
        wizard.m_task = *task;
        TransferTaskJob(*task, wizard);
    }
    if (wizard.DoModal(GetSafeHwnd()) != IDOK)
        return;
    // The task written replaced the task of its name, which may be listed already;
    // a renamed task is a task of its own beside the old one.
    const CTaskRecord& written = wizard.m_task;
    if (m_list.FindRow(written.name) >= 0)
        m_list.UpdateRow(written.name, written);
    else
        m_list.AddRow(written);
    UpdateButtons();
}

bool CDlgTasks::OnCommand(UINT code, UINT id, HWND control)
{
    if ((id == IDC_TASKS_ADD || id == IDC_TASKS_MODIFY) && code == BN_CLICKED)
    {
        const CTaskRecord* selected = m_list.GetSelectedTask();
        if (id == IDC_TASKS_ADD)
            RunWizard(nullptr);
        else if (selected)
        {
            // The wizard works on a copy: the row may change while it runs.
            const CTaskRecord task = *selected;
            RunWizard(&task);
        }
        return true;
    }
    if (id == IDC_TASKS_DELETE && code == BN_CLICKED)
    {
        OnDelete();
        return true;
    }
    return CDialog::OnCommand(code, id, control);
}

bool CDlgTasks::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom != IDC_TASKS_LIST)
        return CDialog::OnNotify(header, result);
    if (header.code == LVN_ITEMCHANGED)
    {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uOldState ^ change.uNewState) & LVIS_SELECTED)
            UpdateButtons();
    }
    else if (header.code == LVN_KEYDOWN)
    {
        const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
        if ((key.wVKey == 'A' || key.wVKey == 'a') && (GetKeyState(VK_CONTROL) & 0x8000))
        {
            m_list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
            UpdateButtons();
        }
    }
    return false;
}

LRESULT CDlgTasks::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != 0 && message == CInstanceCop::GetQueryMessage())
        return m_instanceCop.OnInstanceQuery(wParam, lParam);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == IDM_TASKS_ABOUT)
    {
        CDialog(IDD_ABOUT_TASKS, GetSafeHwnd()).DoModal();
        return 0;
    }
    if (message == WM_DESTROY && m_icon)
    {
        DestroyIcon(m_icon);
        m_icon = nullptr;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
