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
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    int widths[2] = {kDefaultWidth, kDefaultWidth};
    swscanf(AppGetProfileString(kWidthSection, kWidthEntry, L"100,100"), L"%d,%d", &widths[0], &widths[1]);
    InsertColumn(0, L"File Name", LVCFMT_LEFT, widths[0]);
    InsertColumn(1, L"Path", LVCFMT_LEFT, widths[1]);
    return true;
}

void CImagePoolListCtrl::SaveColumnWidths()
{
    CString widths;
    widths.Format(L"%d,%d", GetColumnWidth(0), GetColumnWidth(1));
    AppWriteProfileString(kWidthSection, kWidthEntry, widths);
}

CString CImagePoolListCtrl::GetCell(int row, int column) const
{
    return GetItemText(row, column);
}

int CImagePoolListCtrl::GetRowCount() const
{
    return GetItemCount();
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
    const int row = InsertItem(index, name);
    if (row >= 0)
        SetItemText(row, 1, folder);
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
            DeleteItem(row);
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
    DeleteAllItems();
    for (const CString& path : paths)
        AddPath(path);
}

bool CImagePoolListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    const auto* header = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (message != WM_NOTIFY || header->hdr.code != LVN_COLUMNCLICK)
        return CTtListCtrl::OnChildNotify(message, wParam, lParam, result);
    // A second click on the sort column turns its direction.
    SortBy(header->iSubItem, header->iSubItem == m_sortColumn ? !m_ascending : true);
    result = 0;
    return true;
}
