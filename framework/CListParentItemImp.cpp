#include "framework/CListParentItemImp.h"

#include "framework/CListCtrl.h"

void CListParentItemImp::SaveColumnLayout(CListCtrl& list)
{
    CArray<CColumn> columns;
    GetColumns(columns);
    CArray<int> widths;
    bool changed = false;
    for (int i = 0; i < list.GetColumnCount(); ++i)
    {
        widths.Add(list.GetColumnWidth(i));
        changed = changed || i >= columns.GetSize() || columns[i].width != widths[i];
    }
    if (changed)
        StoreColumnWidths(widths);
}

void CListParentItemImp::InsertColumns(CListCtrl& list)
{
    CArray<CColumn> columns;
    GetColumns(columns);
    while (list.GetColumnCount() > 0 && list.DeleteColumn(0))
    {
    }
    RECT client = {};
    GetClientRect(list, &client);
    const int available = client.right - client.left - 32;
    int remainder = 100;
    const int last = columns.GetSize() - 1;
    for (int i = 0; i <= last; ++i)
    {
        int width = columns[i].width;
        if (width <= 0)
        {
            if (i == 0 && last > 0)
            {
                width = available * 20 / 100 + 16;
                remainder -= 20;
            }
            else if (i < last)
            {
                width = available * 20 / 100;
                remainder -= 20;
            }
            else
            {
                width = available * remainder / 100;
                if (width < 1)
                    width = available * 20 / 100;
            }
        }
        list.InsertColumn(i, columns[i].title, LVCFMT_LEFT, width);
    }
}
