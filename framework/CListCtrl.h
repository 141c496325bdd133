#pragma once
// CListCtrl: a list view control bound to its object (CWnd), with the list messages the
// project uses by name.
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CListCtrl : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, WC_LISTVIEWW, L"", style, rect, parent, id);
    }

    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    int GetTopIndex() const { return static_cast<int>(Send(LVM_GETTOPINDEX)); }
    int GetCountPerPage() const { return static_cast<int>(Send(LVM_GETCOUNTPERPAGE)); }
    HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(Send(LVM_GETHEADER)); }
    // Columns as the header counts them; 0 without a header.
    int GetColumnCount() const
    {
        HWND header = GetHeaderCtrl();
        return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    }
    DWORD SetExtendedStyle(DWORD style) { return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style)); }

    int InsertColumn(int column, const wchar_t* title, int format = LVCFMT_LEFT, int width = -1)
    {
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_FMT | (width >= 0 ? LVCF_WIDTH : 0);
        info.fmt = format;
        info.cx = width;
        info.pszText = const_cast<wchar_t*>(title);
        return static_cast<int>(Send(LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info)));
    }
    bool DeleteColumn(int column) { return Send(LVM_DELETECOLUMN, column) != 0; }
    int GetColumnWidth(int column) const { return static_cast<int>(Send(LVM_GETCOLUMNWIDTH, column)); }
    bool SetColumnWidth(int column, int width) { return Send(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)) != 0; }

    int InsertItem(int item, const wchar_t* text, LPARAM data = 0)
    {
        LVITEMW info = {};
        info.mask = LVIF_TEXT | LVIF_PARAM;
        info.iItem = item;
        info.pszText = const_cast<wchar_t*>(text);
        info.lParam = data;
        return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
    }
    bool SetItemText(int item, int column, const wchar_t* text)
    {
        LVITEMW info = {};
        info.iSubItem = column;
        info.pszText = const_cast<wchar_t*>(text);
        return Send(LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&info)) != 0;
    }
    CString GetItemText(int item, int column) const
    {
        wchar_t text[1024] = L"";
        LVITEMW info = {};
        info.iSubItem = column;
        info.pszText = text;
        info.cchTextMax = 1024;
        Send(LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&info));
        return CString(text);
    }
    LPARAM GetItemData(int item) const
    {
        LVITEMW info = {};
        info.mask = LVIF_PARAM;
        info.iItem = item;
        Send(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
        return info.lParam;
    }
    bool DeleteItem(int item) { return Send(LVM_DELETEITEM, item) != 0; }
    bool DeleteAllItems() { return Send(LVM_DELETEALLITEMS) != 0; }
    bool SetItemState(int item, UINT state, UINT mask)
    {
        LVITEMW info = {};
        info.state = state;
        info.stateMask = mask;
        return Send(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&info)) != 0;
    }
    int GetNextItem(int item, UINT flags) const { return static_cast<int>(Send(LVM_GETNEXTITEM, item, flags)); }
    bool EnsureVisible(int item) { return Send(LVM_ENSUREVISIBLE, item, FALSE) != 0; }
    bool SortItems(PFNLVCOMPARE compare, LPARAM data)
    {
        return Send(LVM_SORTITEMS, data, reinterpret_cast<LPARAM>(compare)) != 0;
    }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(GetSafeHwnd(), message, wParam, lParam);
    }
};
