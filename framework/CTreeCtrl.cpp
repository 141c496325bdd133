#include "framework/CTreeCtrl.h"

bool CTreeCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // Check boxes asked for at creation are set up by the control some time later, which
    // clears the checks set meanwhile; set after creation they are ready at once.
    if (!CreateControl(0, WC_TREEVIEWW, L"", style & ~TVS_CHECKBOXES, rect, parent, id))
        return false;
    if (style & TVS_CHECKBOXES)
        SetWindowLongPtrW(GetSafeHwnd(), GWL_STYLE, static_cast<LONG_PTR>(style));
    return true;
}

HTREEITEM CTreeCtrl::InsertItem(const wchar_t* text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return reinterpret_cast<HTREEITEM>(SendMessageW(GetSafeHwnd(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool CTreeCtrl::DeleteAllItems()
{
    return SendMessageW(GetSafeHwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    wchar_t text[260] = {};
    TVITEMW tvItem = {};
    tvItem.mask = TVIF_TEXT;
    tvItem.hItem = item;
    tvItem.pszText = text;
    tvItem.cchTextMax = static_cast<int>(sizeof text / sizeof text[0]);
    SendMessageW(GetSafeHwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvItem));
    return text;
}

bool CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMW tvItem = {};
    tvItem.mask = TVIF_PARAM;
    tvItem.hItem = item;
    tvItem.lParam = static_cast<LPARAM>(data);
    return SendMessageW(GetSafeHwnd(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvItem)) != 0;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMW tvItem = {};
    tvItem.mask = TVIF_PARAM;
    tvItem.hItem = item;
    if (!item || !SendMessageW(GetSafeHwnd(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tvItem)))
        return 0;
    return static_cast<DWORD_PTR>(tvItem.lParam);
}

bool CTreeCtrl::GetCheck(HTREEITEM item) const
{
    const UINT state = static_cast<UINT>(
        SendMessageW(GetSafeHwnd(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK));
    // State image 1 is the empty box, 2 the checked one.
    return (state >> 12) == 2;
}

bool CTreeCtrl::SetCheck(HTREEITEM item, bool checked)
{
    TVITEMW tvItem = {};
    tvItem.mask = TVIF_HANDLE | TVIF_STATE;
    tvItem.hItem = item;
    tvItem.stateMask = TVIS_STATEIMAGEMASK;
    tvItem.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    return SendMessageW(GetSafeHwnd(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tvItem)) != 0;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT code) const
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(GetSafeHwnd(), TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

bool CTreeCtrl::Expand(HTREEITEM item, UINT code)
{
    return SendMessageW(GetSafeHwnd(), TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)) != 0;
}

bool CTreeCtrl::EnsureVisible(HTREEITEM item)
{
    return SendMessageW(GetSafeHwnd(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item)) != 0;
}

bool CTreeCtrl::SelectItem(HTREEITEM item)
{
    return SendMessageW(GetSafeHwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

HTREEITEM CTreeCtrl::HitTest(POINT point, UINT* flags) const
{
    TVHITTESTINFO info = {};
    info.pt = point;
    HTREEITEM item =
        reinterpret_cast<HTREEITEM>(SendMessageW(GetSafeHwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags)
        *flags = info.flags;
    return item;
}

bool CTreeCtrl::GetItemRect(HTREEITEM item, RECT* rect, bool textOnly) const
{
    // The message takes the item in the rectangle it fills.
    *reinterpret_cast<HTREEITEM*>(rect) = item;
    return SendMessageW(GetSafeHwnd(), TVM_GETITEMRECT, textOnly ? TRUE : FALSE, reinterpret_cast<LPARAM>(rect)) != 0;
}

HIMAGELIST CTreeCtrl::SetImageList(HIMAGELIST images, int kind)
{
    return reinterpret_cast<HIMAGELIST>(
        SendMessageW(GetSafeHwnd(), TVM_SETIMAGELIST, static_cast<WPARAM>(kind), reinterpret_cast<LPARAM>(images)));
}
