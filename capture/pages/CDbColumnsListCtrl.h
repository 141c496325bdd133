#pragma once
// CDbColumnsListCtrl: the list of the database destination's extra columns ("Name",
// "Type", "Value"), kept sorted by a column, each row owning its column record; it reads
// the columns from a database record and writes them back into it. A click on a column's
// header sorts by it (again: the other way); the user's column widths are kept in the
// profile under "DbCols".
#include "Info/InfoScDatabase.h"
#include "capture/pages/DbExtraColumn.h"
#include "framework/CListParentItemImp.h"
#include "framework/CSortHeaderCtrl.h"
#include "framework/CTtListCtrl.h"

#include <commctrl.h>

class CDbColumnsListCtrl : public CTtListCtrl, public CListParentItemImp
{
public:
    CDbColumnsListCtrl();
    ~CDbColumnsListCtrl() override;

    // Binds the list view of the dialog item and gives it its columns, at their stored
    // widths.
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

    // The columns at their stored widths; the default widths when none (or not three)
    // are stored.
    void GetColumns(CArray<CColumn>& columns) override;
    void StoreColumnWidths(const CArray<int>& widths) override;

protected:
    // Stores the column widths as the list goes.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM header);
    const DbExtraColumn* RowColumn(int row) const;
    void SetCells(int row, const DbExtraColumn& column);
    void DeleteAllRows();

    InfoScDatabase m_record;
    CArray<CColumn> m_columns;
    CSortHeaderCtrl m_header;
};
