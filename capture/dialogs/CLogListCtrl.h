#pragma once
// CLogListCtrl: the errors log's list. Each row shows an entry's date, process, type and
// description and keeps the entry as its data; rows are inserted at their sorted place,
// and a header click sorts by that column (as text). The column widths are kept in the
// profile under "Log".
#include "capture/dialogs/LogEntries.h"
#include "framework/CTtListCtrl.h"
#include "framework/CListParentItemImp.h"
#include "framework/CSortHeaderCtrl.h"

#include <memory>
#include <vector>

class CLogListCtrl : public CTtListCtrl, public CListParentItemImp
{
public:
    static constexpr const wchar_t* kProfileName = L"Log";

    CLogListCtrl();

    // Empties the list and reads both sources again, newest entry first; false (and an
    // empty list) with the event log's error text when they cannot be read.
    bool Fill(CEventLog& log, CString& error);
    // Inserts the entry at its sorted place; the row, or -1.
    int InsertEntry(const LogEntry& entry);
    void RemoveAll();
    const LogEntry* GetEntry(int row) const { return reinterpret_cast<const LogEntry*>(GetItemData(row)); }
    CSortHeaderCtrl& GetSortHeader() { return m_header; }

    void GetColumns(CArray<CColumn>& columns) override;
    void StoreColumnWidths(const CArray<int>& widths) override;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM header);
    static const CString& Field(const LogEntry& entry, int column);

    CSortHeaderCtrl m_header;
    CArray<CColumn> m_columns;
    std::vector<std::unique_ptr<LogEntry>> m_entries;
};
