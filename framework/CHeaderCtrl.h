#pragma once
// CHeaderCtrl: a header control (a list view's column header, for one) bound to its
// object (CWnd).
#include "framework/CWnd.h"

#include <commctrl.h>

class CHeaderCtrl : public CWnd
{
public:
    int GetItemCount() const { return static_cast<int>(SendMessageW(GetSafeHwnd(), HDM_GETITEMCOUNT, 0, 0)); }
    bool GetItem(int item, HDITEMW& info) const
    {
        return SendMessageW(GetSafeHwnd(), HDM_GETITEMW, item, reinterpret_cast<LPARAM>(&info)) != 0;
    }
    bool SetItem(int item, const HDITEMW& info)
    {
        return SendMessageW(GetSafeHwnd(), HDM_SETITEMW, item, reinterpret_cast<LPARAM>(&info)) != 0;
    }
};
