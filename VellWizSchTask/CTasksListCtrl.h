#pragma once
// CTasksListCtrl: the report list of the scheduled tasks of this system. Each row owns a
// heap copy of its task record as item data; a deleted row frees its record, and the
// list deletes every row when its window goes. Rows are inserted at their place in the
// header's sort order; the column widths persist in the profile ("LisColSizes",
// "TaskList").
#include "VellWizSchTask/CTaskRecord.h"
#include "framework/CListParentItemImp.h"
#include "framework/CSortHeaderCtrl.h"
#include "framework/CTtListCtrl.h"

class CTaskScheduler;

class CTasksListCtrl : public CTtListCtrl, public CListParentItemImp
{
public:
    enum Column
    {
        kName,
        kComment,
        kUser,
        kFrequence,
        kStartTime,
        kColumnCount
    };

    CTasksListCtrl();
    ~CTasksListCtrl() override;

    // Binds the dialog's list control and sets up its columns and header.
    bool Attach(UINT id, HWND dialog);

    // Rebuilds the rows from the scheduler's tasks of this system (the job runner in the
    // program's folder). Tasks that cannot be read, or a listing that fails, are told in
    // a message box; every readable task is listed.
    void Refresh(CTaskScheduler& scheduler);
    // Inserts a copy of rec at its sorted place: its row, or -1 when a row of that name
    // (without regard to case) exists or the insert fails.
    int AddRow(const CTaskRecord& rec);
    // Gives the row of oldName rec and its texts: the row, or -1 when there is none.
    int UpdateRow(const CString& oldName, const CTaskRecord& rec);
    // Deletes the selected rows' tasks, last to first; a row whose task is deleted goes.
    // failed: the names that could not be deleted, joined by ", ". True when none failed.
    bool DeleteSelected(CTaskScheduler& scheduler, CString& failed);
    // The record of the only selected row; null unless exactly one row is selected.
    const CTaskRecord* GetSelectedTask() const;
    int GetSelectedCount() const;
    // Row of that name (without regard to case), -1 when none.
    int FindRow(const CString& name) const;

    // The text a record shows in a column.
    static CString CellText(const CTaskRecord& rec, int column);
    // The name of a trigger type; empty for an unknown type.
    static CString TriggerTypeName(int type);

    // IListParentItem
    void GetColumns(CArray<CColumn>& columns) override;
    void StoreColumnWidths(const CArray<int>& widths) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM list);
    CTaskRecord* RecordAt(int row) const;
    void SetCells(int row, const CTaskRecord& rec);

    CArray<CColumn> m_columns;
    CSortHeaderCtrl m_header;
};
