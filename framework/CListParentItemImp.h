#pragma once
// CListParentItemImp: the common half of a list owner: inserts the columns of its table,
// giving those without a stored width a share of the list's width, and stores the widths
// the user changed.
#include "framework/IListParentItem.h"

class CListParentItemImp : public IListParentItem
{
public:
    void SaveColumnLayout(CListCtrl& list) override;
    // Without a stored width the first column gets 20 % of the available width (client
    // width - 32) + 16, a middle one 20 %, the last what is left (20 % when nothing is).
    void InsertColumns(CListCtrl& list) override;
};
