#include "VellWizSchTask/CTasksListCtrl.h"

#include "VellWizSchTask/CTaskScheduler.h"
#include "common/PathHelpers.h"
#include "framework/AppMessageBox.h"
#include "framework/CWaitCursor.h"
#include "framework/ListColumnWidths.h"

#include <vector>

namespace
{
const wchar_t kWidthsKey[] = L"TaskList";

struct ColumnDefault
{
    const wchar_t* title;
    int width;
};

const ColumnDefault kColumns[CTasksListCtrl::kColumnCount] = {
    {L"Task Name", 120}, {L"Description", 95}, {L"User Name", 80}, {L"Frequence", 80}, {L"Start Time", 80},
};
} // namespace

CTasksListCtrl::CTasksListCtrl() : m_header(&CompareRows, 0) {}

CTasksListCtrl::~CTasksListCtrl() = default;

bool CTasksListCtrl::Attach(UINT id, HWND dialog)
{
    if (!SubclassDlgItem(id, dialog))
        return false;
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    InsertColumns(*this);
    GetColumns(m_columns);
    m_header.SetColumns(&m_columns);
    return m_header.SubclassWindow(GetHeaderCtrl());
}

void CTasksListCtrl::GetColumns(CArray<CColumn>& columns)
{
    CArray<int> stored;
    LoadColumnWidths(kWidthsKey, stored);
    columns.RemoveAll();
    for (int i = 0; i < kColumnCount; ++i)
    {
        CColumn column;
        column.title = kColumns[i].title;
        column.width = stored.GetSize() == kColumnCount ? stored[i] : kColumns[i].width;
        columns.Add(column);
    }
}

void CTasksListCtrl::StoreColumnWidths(const CArray<int>& widths)
{
    SaveColumnWidths(kWidthsKey, widths);
}

CString CTasksListCtrl::TriggerTypeName(int type)
{
    switch (type)
    {
    case TASK_TIME_TRIGGER_ONCE:
        return L"One Time Only";
    case TASK_TIME_TRIGGER_DAILY:
        return L"Daily";
    case TASK_TIME_TRIGGER_WEEKLY:
        return L"Weekly";
    case TASK_TIME_TRIGGER_MONTHLYDATE:
    case TASK_TIME_TRIGGER_MONTHLYDOW:
        return L"Monthly";
    case TASK_EVENT_TRIGGER_ON_IDLE:
        return L"System Idle";
    case TASK_EVENT_TRIGGER_AT_SYSTEMSTART:
        return L"System Start";
    case TASK_EVENT_TRIGGER_AT_LOGON:
        return L"Logon";
    default:
        return CString();
    }
}

CString CTasksListCtrl::CellText(const CTaskRecord& rec, int column)
{
    const TASK_TRIGGER& t = rec.trigger;
    CString text;
    switch (column)
    {
    case kName:
        return rec.name;
    case kComment:
        return rec.comment;
    case kUser:
        return rec.user;
    case kFrequence:
        return TriggerTypeName(t.TriggerType);
    case kStartTime:
        text.Format(L"%d/%.2d/%d  %d:%.2d", t.wBeginMonth, t.wBeginDay, t.wBeginYear, t.wStartHour, t.wStartMinute);
        return text;
    default:
        return text;
    }
}

CTaskRecord* CTasksListCtrl::RecordAt(int row) const
{
    return reinterpret_cast<CTaskRecord*>(GetItemData(row));
}

int CTasksListCtrl::FindRow(const CString& name) const
{
    for (int row = 0; row < GetItemCount(); ++row)
        if (GetItemText(row, kName).CompareNoCase(name) == 0)
            return row;
    return -1;
}

void CTasksListCtrl::SetCells(int row, const CTaskRecord& rec)
{
    for (int column = 0; column < kColumnCount; ++column)
        SetItemText(row, column, CellText(rec, column));
}

int CTasksListCtrl::AddRow(const CTaskRecord& rec)
{
    if (FindRow(rec.name) >= 0)
        return -1;
    // Every column holds text, compared without regard to case; the name column sorts
    // until the user picks another.
    const int column = m_header.GetSortColumn() < 0 ? kName : m_header.GetSortColumn();
    const int direction = m_header.IsDescending() ? -1 : 1;
    const CString text = CellText(rec, column);
    int place = 0;
    while (place < GetItemCount() && direction * GetItemText(place, column).CompareNoCase(text) <= 0)
        ++place;
    auto* copy = new CTaskRecord(rec);
    const int row = InsertItem(place, rec.name, reinterpret_cast<LPARAM>(copy));
    if (row < 0)
    {
        delete copy;
        return -1;
    }
    SetCells(row, rec);
    EnsureVisible(row);
    return row;
}

int CTasksListCtrl::UpdateRow(const CString& oldName, const CTaskRecord& rec)
{
    const int row = FindRow(oldName);
    if (row < 0)
        return -1;
    *RecordAt(row) = rec;
    SetCells(row, rec);
    return row;
}

void CTasksListCtrl::Refresh(CTaskScheduler& scheduler)
{
    const CWaitCursor wait;
    DeleteAllItems();
    std::vector<CTaskRecord> tasks;
    CString msg;
    if (scheduler.ListOwnTasks(GetModuleDirectory() + L"\\VellRunJobs.exe", tasks, msg))
        for (const CTaskRecord& rec : tasks)
            AddRow(rec);
    if (!msg.IsEmpty())
        AppMessageBox(msg, MB_OK, GetParent(GetSafeHwnd()));
}

int CTasksListCtrl::GetSelectedCount() const
{
    return static_cast<int>(Send(LVM_GETSELECTEDCOUNT));
}

const CTaskRecord* CTasksListCtrl::GetSelectedTask() const
{
    return GetSelectedCount() == 1 ? RecordAt(GetNextItem(-1, LVNI_SELECTED)) : nullptr;
}

bool CTasksListCtrl::DeleteSelected(CTaskScheduler& scheduler, CString& failed)
{
    const CWaitCursor wait;
    failed.Empty();
    std::vector<int> rows;
    for (int row = GetNextItem(-1, LVNI_SELECTED); row >= 0; row = GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    {
        const CString name = GetItemText(*row, kName);
        CString msg;
        if (scheduler.Delete(name, msg))
            DeleteItem(*row);
        else
            failed += (failed.IsEmpty() ? L"" : L", ") + name;
    }
    if (failed.IsEmpty())
        return true;
    // The row after the deleted block (or the last) takes the selection and the focus.
    int focus = rows.back() - static_cast<int>(rows.size()) + 1;
    focus = std::max(0, std::min(focus, GetItemCount() - 1));
    SetItemState(-1, 0, LVIS_SELECTED);
    SetItemState(focus, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return false;
}

int CALLBACK CTasksListCtrl::CompareRows(LPARAM a, LPARAM b, LPARAM header)
{
    auto* sortHeader = reinterpret_cast<CSortHeaderCtrl*>(header);
    const int column = sortHeader->GetSortColumn();
    return sortHeader->CompareItems(CellText(*reinterpret_cast<const CTaskRecord*>(a), column),
                                    CellText(*reinterpret_cast<const CTaskRecord*>(b), column));
}

bool CTasksListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message != WM_NOTIFY)
        return CTtListCtrl::OnChildNotify(message, wParam, lParam, result);
    const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (header.code == LVN_DELETEALLITEMS)
    {
        // FALSE: one LVN_DELETEITEM follows for every row, which frees its record.
        result = FALSE;
        return true;
    }
    if (header.code == LVN_DELETEITEM)
    {
        delete reinterpret_cast<CTaskRecord*>(reinterpret_cast<const NMLISTVIEW&>(header).lParam);
        return false;
    }
    return CTtListCtrl::OnChildNotify(message, wParam, lParam, result);
}

LRESULT CTasksListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
    {
        const CWaitCursor wait;
        SaveColumnLayout(*this);
        DeleteAllItems();
    }
    return CTtListCtrl::WindowProc(message, wParam, lParam);
}
