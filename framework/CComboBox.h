#pragma once
// CComboBox: a combo box bound to its object (CItemList); its edit text is the window text.
#include "framework/CItemList.h"

struct ComboBoxMessages
{
    static const UINT kAdd = CB_ADDSTRING, kInsert = CB_INSERTSTRING, kDelete = CB_DELETESTRING,
                      kReset = CB_RESETCONTENT, kCount = CB_GETCOUNT, kGetSel = CB_GETCURSEL, kSetSel = CB_SETCURSEL,
                      kFindExact = CB_FINDSTRINGEXACT, kTextLength = CB_GETLBTEXTLEN, kText = CB_GETLBTEXT,
                      kGetData = CB_GETITEMDATA, kSetData = CB_SETITEMDATA;
};

class CComboBox : public CItemList<ComboBoxMessages>
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, L"COMBOBOX", L"", style, rect, parent, id);
    }
    void ShowDropDown(bool show = true) { SendInt(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
};
