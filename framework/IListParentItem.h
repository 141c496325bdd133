#pragma once
// IListParentItem: the owner of a report list, which knows the list's columns and keeps
// the user's column widths.
#include "framework/CArray.h"
#include "framework/CColumn.h"

class CListCtrl;

class IListParentItem
{
public:
    // Fills the column table (stored widths merged in).
    virtual void GetColumns(CArray<CColumn>& columns) = 0;
    // Stores the list's widths when the user changed any.
    virtual void SaveColumnLayout(CListCtrl& list) = 0;
    // Stores the widths under the owner's profile key (SaveColumnWidths).
    virtual void StoreColumnWidths(const CArray<int>& widths) = 0;
    // Replaces the list's columns by the table's.
    virtual void InsertColumns(CListCtrl& list) = 0;
    virtual ~IListParentItem() = default;
};
