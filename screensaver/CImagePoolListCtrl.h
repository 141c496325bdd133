#pragma once
// CImagePoolListCtrl: the image pool's pictures in a report list with title tips: "File
// Name" and "Path" columns (widths kept in the profile under "ImageFilesWidth"), full-row
// selection, sorted by the column whose header the user clicked (again: the other way).
// A row is inserted where its place in that order is.
#include "framework/CString.h"
#include "framework/CTtListCtrl.h"

#include <vector>

class CImagePoolListCtrl : public CTtListCtrl
{
public:
    // Sets the styles and the columns of the dialog's list control.
    bool Attach(HWND parent, UINT id);
    // Inserts the picture's row before the first row that sorts after it (case aside);
    // the row's index.
    int AddPath(const CString& path);
    void RemoveSelected();
    int GetRowCount() const;
    int GetSelectedCount() const;
    // The full path of each row, in the list's order: its folder (trailing separators
    // removed), "\" and its file name.
    std::vector<CString> GetPaths() const;
    CString GetCell(int row, int column) const;
    // Sorts by the column, ascending or descending, and keeps that order for new rows.
    void SortBy(int column, bool ascending);
    int GetSortColumn() const { return m_sortColumn; }

    // Saves the column widths in the profile.
    void SaveColumnWidths();

protected:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int InsertRow(int index, const CString& name, const CString& folder);
    int CompareRows(const CString& name, const CString& folder, int row) const;

    int m_sortColumn = 0;
    bool m_ascending = true;
};
