#pragma once
// CListBox: a list box bound to its object (CItemList).
#include "framework/CItemList.h"

struct ListBoxMessages
{
    static const UINT kAdd = LB_ADDSTRING, kInsert = LB_INSERTSTRING, kDelete = LB_DELETESTRING,
                      kReset = LB_RESETCONTENT, kCount = LB_GETCOUNT, kGetSel = LB_GETCURSEL, kSetSel = LB_SETCURSEL,
                      kFindExact = LB_FINDSTRINGEXACT, kTextLength = LB_GETTEXTLEN, kText = LB_GETTEXT,
                      kGetData = LB_GETITEMDATA, kSetData = LB_SETITEMDATA;
};

class CListBox : public CItemList<ListBoxMessages>
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, L"LISTBOX", L"", style, rect, parent, id);
    }
};
