#pragma once
// CSliderCtrl: a track bar bound to its object (CWnd).
#include "framework/CWnd.h"
#include <commctrl.h>

class CSliderCtrl : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, TRACKBAR_CLASSW, L"", style, rect, parent, id);
    }
    void SetRange(int low, int high, bool redraw = true)
    {
        SendMessageW(*this, TBM_SETRANGEMIN, FALSE, low);
        SendMessageW(*this, TBM_SETRANGEMAX, redraw ? TRUE : FALSE, high);
    }
    int GetRangeMin() const { return static_cast<int>(SendMessageW(*this, TBM_GETRANGEMIN, 0, 0)); }
    int GetRangeMax() const { return static_cast<int>(SendMessageW(*this, TBM_GETRANGEMAX, 0, 0)); }
    int GetPos() const { return static_cast<int>(SendMessageW(*this, TBM_GETPOS, 0, 0)); }
    void SetPos(int position) { SendMessageW(*this, TBM_SETPOS, TRUE, position); }
    void SetPageSize(int size) { SendMessageW(*this, TBM_SETPAGESIZE, 0, size); }
};
