#pragma once
// CDbColumnsListCtrl: the list of the database destination's extra columns ("Name",
// "Type", "Value"), kept sorted by a column, each row owning its column record; it reads
// the columns from a database record and writes them back into it.
#include "Info/InfoScDatabase.h"
#include "capture/pages/DbExtraColumn.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CDbColumnsListCtrl : public CWnd
{
public:
    CDbColumnsListCtrl() = default;
    ~CDbColumnsListCtrl() override;

    // Binds the list view of the dialog item and gives it its columns.
    bool Attach(HWND dialog, UINT id);

    // Inserts a copy at its sorted place; the row, or -1.
    int AddColumn(const DbExtraColumn& column);
    // Replaces the row's record and cells.
    bool UpdateColumn(int row, const DbExtraColumn& column);
    // Deletes every selected row.
    void DeleteSelected();
    // Edits a new column (add) or the selected one in the extra-column dialog and takes
    // it on OK; true when a row was added or changed.
    bool EditInDialog(bool add, HWND owner);
    // The last selected row and its record; -1 (and column untouched) when none.
    int GetSelectedColumn(DbExtraColumn& column) const;
    int GetSelectedCount() const;
    int GetRowCount() const;
    // Copies the record; fill: the rows become its extra columns.
    void SetRecord(const InfoScDatabase& record, bool fill);
    // The record with its extra columns rebuilt from the rows.
    const InfoScDatabase& GetRecord();
    // Sorts by a column (0..2), ascending or not; other columns leave the order.
    void SortBy(int column, bool ascending);

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM list);
    const DbExtraColumn* RowColumn(int row) const;
    void SetCells(int row, const DbExtraColumn& column);
    void DeleteAllRows();

    InfoScDatabase m_record;
    int m_sortColumn = 0;
    bool m_ascending = true;
};
