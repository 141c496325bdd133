#include "screensaver/CImagePoolListCtrl.h"

#include "framework/AppProfile.h"

#include <algorithm>
#include <commctrl.h>

namespace
{
const wchar_t kWidthSection[] = L"LisColSizes";
const wchar_t kWidthEntry[] = L"ImageFilesWidth";
const int kDefaultWidth = 100;
} // namespace

bool CImagePoolListCtrl::Attach(HWND parent, UINT id)
{
    if (!SubclassDlgItem(id, parent))
        return false;
    HWND list = GetSafeHwnd();
    SetWindowLongPtrW(list, GWL_STYLE, (GetWindowLongPtrW(list, GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    int widths[2] = {kDefaultWidth, kDefaultWidth};
    swscanf(AppGetProfileString(kWidthSection, kWidthEntry, L"100,100"), L"%d,%d", &widths[0], &widths[1]);
    const wchar_t* titles[2] = {L"File Name", L"Path"};
    for (int column = 0; column < 2; ++column)
    {
        LVCOLUMNW info = {LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM};
        info.pszText = const_cast<wchar_t*>(titles[column]);
        info.cx = widths[column];
        info.iSubItem = column;
        ListView_InsertColumn(list, column, &info);
    }
    return true;
}

void CImagePoolListCtrl::SaveColumnWidths()
{
    CString widths;
    widths.Format(L"%d,%d", ListView_GetColumnWidth(GetSafeHwnd(), 0), ListView_GetColumnWidth(GetSafeHwnd(), 1));
    AppWriteProfileString(kWidthSection, kWidthEntry, widths);
}

CString CImagePoolListCtrl::GetCell(int row, int column) const
{
    wchar_t text[MAX_PATH * 2] = L"";
    ListView_GetItemText(GetSafeHwnd(), row, column, text, MAX_PATH * 2);
    return text;
}

int CImagePoolListCtrl::GetRowCount() const
{
    return ListView_GetItemCount(GetSafeHwnd());
}

int CImagePoolListCtrl::GetSelectedCount() const
{
    return static_cast<int>(ListView_GetSelectedCount(GetSafeHwnd()));
}

int CImagePoolListCtrl::CompareRows(const CString& name, const CString& folder, int row) const
{
    const CString& key = m_sortColumn == 0 ? name : folder;
    const int order = key.CompareNoCase(GetCell(row, m_sortColumn));
    return m_ascending ? order : -order;
}

int CImagePoolListCtrl::InsertRow(int index, const CString& name, const CString& folder)
{
    LVITEMW item = {LVIF_TEXT};
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(name.GetString());
    const int row = ListView_InsertItem(GetSafeHwnd(), &item);
    if (row >= 0)
        ListView_SetItemText(GetSafeHwnd(), row, 1, const_cast<wchar_t*>(folder.GetString()));
    return row;
}

int CImagePoolListCtrl::AddPath(const CString& path)
{
    const int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    const CString name = path.Mid(slash + 1);
    const CString folder = slash < 0 ? CString() : path.Left(slash);
    int index = 0;
    const int count = GetRowCount();
    while (index < count && CompareRows(name, folder, index) >= 0)
        ++index;
    return InsertRow(index, name, folder);
}

void CImagePoolListCtrl::RemoveSelected()
{
    for (int row = GetRowCount() - 1; row >= 0; --row)
        if (ListView_GetItemState(GetSafeHwnd(), row, LVIS_SELECTED) & LVIS_SELECTED)
            ListView_DeleteItem(GetSafeHwnd(), row);
}

std::vector<CString> CImagePoolListCtrl::GetPaths() const
{
    std::vector<CString> paths;
    for (int row = 0; row < GetRowCount(); ++row)
    {
        CString folder = GetCell(row, 1);
        folder.TrimRight(L"\\/");
        paths.push_back(folder + L"\\" + GetCell(row, 0));
    }
    return paths;
}

void CImagePoolListCtrl::SortBy(int column, bool ascending)
{
    m_sortColumn = column;
    m_ascending = ascending;
    std::vector<CString> paths = GetPaths();
    ListView_DeleteAllItems(GetSafeHwnd());
    for (const CString& path : paths)
        AddPath(path);
}

bool CImagePoolListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return false;
    const auto* header = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (header->hdr.code != LVN_COLUMNCLICK)
        return false;
    // A second click on the sort column turns its direction.
    SortBy(header->iSubItem, header->iSubItem == m_sortColumn ? !m_ascending : true);
    result = 0;
    return true;
}
