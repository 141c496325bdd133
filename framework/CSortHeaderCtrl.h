#pragma once
// CSortHeaderCtrl: the header of a report list that keeps one sort column and direction,
// draws a small engraved triangle in that column's item and sorts the list through the
// list's own sorting message with the owner's compare callback. The owner's callback may
// hand two cell texts of the sort column to CompareItems, which compares them by the
// column's type. The list must be bound to an object (CWnd) so that the header's item
// clicks and item drawing come back to this object.
#include "framework/CArray.h"
#include "framework/CColumn.h"
#include "framework/CHeaderCtrl.h"

class CSortHeaderCtrl : public CHeaderCtrl
{
public:
    // sortParam 0: the callback gets the header object itself as its parameter.
    explicit CSortHeaderCtrl(PFNLVCOMPARE compare = nullptr, LPARAM sortParam = 0);

    // The owner's column table (not owned).
    void SetColumns(const CArray<CColumn>* columns) { m_columns = columns; }
    // Makes the column the sort column (descending when the flag is true), marks its item
    // and sorts the list; the previous sort column.
    int SetSortColumn(int column, bool descending);
    int GetSortColumn() const { return m_sortColumn; }
    bool IsDescending() const { return m_descending; }
    // Negative, 0 or positive as a sorts before, with or after b in the sort column;
    // 0 without a table or for a sort column outside it.
    int CompareItems(const wchar_t* a, const wchar_t* b) const;

protected:
    void PreSubclassWindow() override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnItemClick(int column);
    void DrawItem(const DRAWITEMSTRUCT& draw);
    void DrawTriangle(HDC dc, const RECT& item, int unit) const;

    int m_sortColumn = -1;
    bool m_descending = false;
    const CArray<CColumn>* m_columns = nullptr;
    PFNLVCOMPARE m_compare;
    LPARAM m_sortParam;
};
