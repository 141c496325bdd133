#pragma once
// CDlgTasks: the tasks manager's one dialog: the list of this system's scheduled tasks
// with Add, Modify, Delete and Close. Add and Modify run the task wizard. A second start of the program finds the guard
// held, brings this dialog forward and ends before any window of its own exists.
#include "VellWizSchTask/CTasksListCtrl.h"
#include "common/CInstanceCop.h"
#include "framework/CDialog.h"

class CTaskScheduler;

class CDlgTasks : public CDialog
{
public:
    // standAlone: the program was started on its own (not by the main program), so the
    // dialog carries the program's icon and an About item in its system menu.
    CDlgTasks(CTaskScheduler& scheduler, bool standAlone, HWND parent = nullptr);
    ~CDlgTasks() override;

    CTasksListCtrl& GetList() { return m_list; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Runs the wizard for a new task (none) or the selected task, and shows what it wrote.
    void RunWizard(const CTaskRecord* task);
    void OnDelete();
    void UpdateButtons();

    CInstanceCop m_instanceCop;
    CTasksListCtrl m_list;
    HICON m_icon;
    CTaskScheduler& m_scheduler;
    bool m_standAlone;
};
