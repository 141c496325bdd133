#include "capture/dialogs/CLogListCtrl.h"

#include "framework/CWaitCursor.h"
#include "framework/ListColumnWidths.h"

#include <algorithm>

CLogListCtrl::CLogListCtrl() : m_header(&CompareRows, 0)
{
    GetColumns(m_columns);
    m_header.SetColumns(&m_columns);
}

void CLogListCtrl::GetColumns(CArray<CColumn>& columns)
{
    LoadTableColumns(kProfileName, {{L"Date", 80}, {L"Process", 60}, {L"Type", 60}, {L"Description", 150}}, columns);
}

void CLogListCtrl::StoreColumnWidths(const CArray<int>& widths)
{
    SaveColumnWidths(kProfileName, widths);
}

void CLogListCtrl::PreSubclassWindow()
{
    CTtListCtrl::PreSubclassWindow();
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InsertColumns(*this);
    m_header.SubclassWindow(GetHeaderCtrl());
}

const CString& CLogListCtrl::Field(const LogEntry& entry, int column)
{
    switch (column)
    {
    case 1:
        return entry.process;
    case 2:
        return entry.type;
    case 3:
        return entry.description;
    default:
        return entry.date;
    }
}

int CALLBACK CLogListCtrl::CompareRows(LPARAM a, LPARAM b, LPARAM header)
{
    const auto* sort = reinterpret_cast<const CSortHeaderCtrl*>(header);
    const int column = sort->GetSortColumn();
    return sort->CompareItems(Field(*reinterpret_cast<const LogEntry*>(a), column),
                              Field(*reinterpret_cast<const LogEntry*>(b), column));
}

int CLogListCtrl::InsertEntry(const LogEntry& entry)
{
    const int column = std::max(m_header.GetSortColumn(), 0);
    const CString& key = Field(entry, column);
    int row = 0;
    for (; row < GetItemCount(); ++row)
    {
        const int order = Field(*GetEntry(row), column).CompareNoCase(key);
        if (m_header.IsDescending() ? order < 0 : order > 0)
            break;
    }
    m_entries.push_back(std::make_unique<LogEntry>(entry));
    const LogEntry* kept = m_entries.back().get();
    row = InsertItem(row, kept->date, reinterpret_cast<LPARAM>(kept));
    if (row < 0)
    {
        m_entries.pop_back();
        return -1;
    }
    SetItemText(row, 1, kept->process);
    SetItemText(row, 2, kept->type);
    SetItemText(row, 3, kept->description);
    return row;
}

void CLogListCtrl::RemoveAll()
{
    for (int row = GetItemCount() - 1; row >= 0; --row)
        DeleteItem(row);
    m_entries.clear();
}

bool CLogListCtrl::Fill(CEventLog& log, CString& error)
{
    CWaitCursor wait;
    RemoveAll();
    CStringArray texts;
    if (!ReadLogTexts(log, texts, error))
        return false;
    for (int i = texts.GetSize() - 1; i >= 0; --i)
    {
        LogEntry entry;
        if (SplitLogText(texts[i], entry))
            InsertEntry(entry);
    }
    return true;
}

LRESULT CLogListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
    {
        CWaitCursor wait;
        SaveColumnLayout(*this);
        RemoveAll();
    }
    return CTtListCtrl::WindowProc(message, wParam, lParam);
}
