#pragma once
// CDlgLogs: the errors log. Lists the capture failures of the program and of unattended
// jobs (newest first, sortable), exports them to a text file that Notepad shows, and
// clears the whole Application event log.
#include "capture/dialogs/CLogListCtrl.h"
#include "framework/CDialog.h"

class CDlgLogs : public CDialog
{
public:
    explicit CDlgLogs(HWND parent = nullptr);
    // Destroys the window while the list can still store its column widths.
    ~CDlgLogs() override;

    // Writes every entry of both sources, newest first, one a line, to "Elc1.tmp" in the
    // program's log folder (the same file each time); false when there is nothing to
    // write or it cannot be written (the user was told why).
    bool ExportToFile(CString& path);
    CLogListCtrl& GetList() { return m_list; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void OnViewWithNotepad();
    void OnClearEventLog();

    CEventLog m_log;
    CLogListCtrl m_list;
};
