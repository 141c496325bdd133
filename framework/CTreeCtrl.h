#pragma once
// CTreeCtrl: a tree-view control (comctl32's SysTreeView32) with the tree view's
// messages as member functions of the same names and results.
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CTreeCtrl : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    HTREEITEM InsertItem(const wchar_t* text, int image, int selectedImage, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST);
    bool DeleteAllItems();
    CString GetItemText(HTREEITEM item) const;
    bool SetItemData(HTREEITEM item, DWORD_PTR data);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    // The check box of a tree with TVS_CHECKBOXES.
    bool GetCheck(HTREEITEM item) const;
    bool SetCheck(HTREEITEM item, bool checked);

    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;

    bool Expand(HTREEITEM item, UINT code);
    bool EnsureVisible(HTREEITEM item);
    bool SelectItem(HTREEITEM item);
    // The item at the client point; flags: where on the item (TVHT_*).
    HTREEITEM HitTest(POINT point, UINT* flags) const;
    // The item's rectangle in client coordinates (only its text with textOnly).
    bool GetItemRect(HTREEITEM item, RECT* rect, bool textOnly) const;
    HIMAGELIST SetImageList(HIMAGELIST images, int kind);
};
