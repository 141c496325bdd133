#include "framework/ListColumnWidths.h"

#include "framework/AppProfile.h"

#include <cwchar>

namespace
{
const wchar_t kSection[] = L"LisColSizes";
}

void SaveColumnWidths(const wchar_t* key, const CArray<int>& widths)
{
    if (widths.IsEmpty())
        return;
    CString text;
    for (int width : widths)
    {
        CString item;
        item.Format(L"%u,", static_cast<unsigned>(width));
        text += item;
    }
    AppWriteProfileString(kSection, key, text.Left(text.GetLength() - 1));
}

void LoadColumnWidths(const wchar_t* key, CArray<int>& widths)
{
    widths.RemoveAll();
    const CString text = AppGetProfileString(kSection, key);
    for (int start = 0; start < text.GetLength();)
    {
        int end = text.Find(L',', start);
        if (end < 0)
            end = text.GetLength();
        widths.Add(static_cast<int>(wcstol(text.Mid(start, end - start), nullptr, 10)));
        start = end + 1;
    }
}

void MergeColumnWidths(CArray<CColumn>& columns, const CArray<int>& widths)
{
    const bool same = columns.GetSize() == widths.GetSize();
    for (int i = 0; i < columns.GetSize(); ++i)
        columns[i].width = same ? widths[i] : -1;
}

void LoadTableColumns(const wchar_t* key, std::initializer_list<ColumnDefault> defaults, CArray<CColumn>& columns)
{
    CArray<int> stored;
    LoadColumnWidths(key, stored);
    const bool useStored = stored.GetSize() == static_cast<int>(defaults.size());
    columns.RemoveAll();
    for (const ColumnDefault& column : defaults)
    {
        CColumn added;
        added.title = column.title;
        added.width = useStored ? stored[columns.GetSize()] : column.width;
        columns.Add(added);
    }
}
