#include "capture/dialogs/CDlgSearch.h"

#include "capture/controller/ActionIds.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/dialogs/DialogResources.h"
#include "capture/dialogs/SearchFields.h"
#include "common/CPersistWindowPlacement.h"
#include "framework/AppMessageBox.h"
#include "framework/AppProfile.h"
#include "framework/AppWindowText.h"
#include "framework/CFile.h"
#include "framework/CWaitCursor.h"
#include "framework/ListColumnWidths.h"

#include <algorithm>
#include <objbase.h>

namespace
{
const wchar_t kSection[] = L"Find";
const wchar_t* const kOptionNames[] = {L"MatchCase", L"MatchWholeWord", L"SearchProps", L"SearchOutput"};
const UINT kOptionIds[] = {IDC_SEARCH_MATCH_CASE, IDC_SEARCH_WHOLE_WORD, IDC_SEARCH_PROPERTIES, IDC_SEARCH_OUTPUT};

bool IsSet(HANDLE event)
{
    return WaitForSingleObject(event, 0) == WAIT_OBJECT_0;
}

// How a control follows the dialog's size: moved right, widened, made taller.
struct Anchor
{
    UINT id;
    bool moves;
    bool widens;
    bool grows;
};
const Anchor kAnchors[] = {{IDC_SEARCH_FIND, true, false, false},   {IDC_SEARCH_STOP, true, false, false},
                           {IDCANCEL, true, false, false},          {IDC_SEARCH_ANIMATION, true, false, false},
                           {IDC_SEARCH_TEXT, false, true, false},   {IDC_SEARCH_SEPARATOR, false, true, false},
                           {IDC_SEARCH_LIST, false, true, true}};
} // namespace

CDlgSearch::CDlgSearch(ISearchHost& host, HWND parent) : CDialog(IDD_SEARCH, parent), m_host(host)
{
    InitializeCriticalSection(&m_lock);
}

CDlgSearch::~CDlgSearch()
{
    StopWorker();
    DestroyWindow();
    DeleteCriticalSection(&m_lock);
}

void CDlgSearch::GetColumns(CArray<CColumn>& columns)
{
    columns.SetSize(2);
    columns[0].title = L"Module Name";
    columns[1].title = L"Found Text";
    CArray<int> widths;
    LoadColumnWidths(kSection, widths);
    MergeColumnWidths(columns, widths);
}

void CDlgSearch::StoreColumnWidths(const CArray<int>& widths)
{
    SaveColumnWidths(kSection, widths);
}

BOOL CDlgSearch::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_animation.SubclassDlgItem(IDC_SEARCH_ANIMATION, GetSafeHwnd());
    m_animation.Open(IDR_SEARCH_ANIMATION);
    ShowWindow(m_animation, SW_HIDE);
    m_status.Create(GetSafeHwnd(), IDC_SEARCH_STATUS);
    m_list.SubclassDlgItem(IDC_SEARCH_LIST, GetSafeHwnd());
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_list.SetEmptyTitle(IDS_SEARCH_EMPTY);
    InsertColumns(m_list);

    RECT client = {};
    GetClientRect(GetSafeHwnd(), &client);
    m_clientSize = SIZE{client.right, client.bottom};
    for (const Anchor& anchor : kAnchors)
    {
        RECT rect = {};
        GetWindowRect(GetDlgItem(anchor.id), &rect);
        MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
        m_controlRects.emplace_back(anchor.id, rect);
    }

    m_placement = std::make_unique<CPersistWindowPlacement>(GetSafeHwnd(), kSection);
    m_placement->Restore(SW_SHOWNORMAL, false, L"");
    LoadSettings();

    // Collapsed: the window ends at the separator until the first search.
    RECT window = {}, separator = {};
    GetWindowRect(GetSafeHwnd(), &window);
    GetWindowRect(GetDlgItem(IDC_SEARCH_SEPARATOR), &separator);
    m_collapsedHeight = separator.top - window.top;
    ShowWindow(m_list, SW_HIDE);
    ShowWindow(m_status, SW_HIDE);
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, window.right - window.left, m_collapsedHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateCount();
    return TRUE;
}

void CDlgSearch::LoadSettings()
{
    HWND combo = GetDlgItem(IDC_SEARCH_TEXT);
    for (int i = 0; i < kHistorySize; ++i)
    {
        CString name;
        name.Format(L"SearchText%d", i);
        const CString text = AppGetProfileString(kSection, name);
        if (!text.IsEmpty())
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
    }
    bool* options[] = {&m_matchCase, &m_wholeWord, &m_searchProperties, &m_searchOutput};
    for (int i = 0; i < 4; ++i)
    {
        *options[i] = AppGetProfileInt(kSection, kOptionNames[i], 0) != 0;
        CheckDlgButton(GetSafeHwnd(), kOptionIds[i], *options[i] ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CDlgSearch::SaveSettings()
{
    // Each value that cannot be written is told once, with the system's reason.
    const auto write = [this](bool written) {
        if (written)
            return;
        CString text;
        text.LoadString(IDS_REGISTRY_WRITE_FAILED);
        AppMessageBox(text + L" " + CFile::FormatSystemError(GetLastError()), MB_OK | MB_ICONINFORMATION,
                      GetSafeHwnd());
    };
    HWND combo = GetDlgItem(IDC_SEARCH_TEXT);
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < kHistorySize; ++i)
    {
        CString name;
        name.Format(L"SearchText%d", i);
        wchar_t item[1024] = L"";
        if (i < count && SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 1024)
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        write(AppWriteProfileString(kSection, name, item));
    }
    const bool options[] = {m_matchCase, m_wholeWord, m_searchProperties, m_searchOutput};
    for (int i = 0; i < 4; ++i)
        write(AppWriteProfileInt(kSection, kOptionNames[i], options[i] ? 1 : 0));
}

bool CDlgSearch::OnCommand(UINT code, UINT id, HWND control)
{
    switch (id)
    {
    case IDC_SEARCH_FIND:
        OnFind();
        return true;
    case IDC_SEARCH_STOP:
        OnStop();
        return true;
    case IDC_SEARCH_MATCH_CASE:
    case IDC_SEARCH_WHOLE_WORD:
    case IDC_SEARCH_PROPERTIES:
    case IDC_SEARCH_OUTPUT:
    {
        bool* options[] = {&m_matchCase, &m_wholeWord, &m_searchProperties, &m_searchOutput};
        *options[id - IDC_SEARCH_MATCH_CASE] = IsDlgButtonChecked(GetSafeHwnd(), id) == BST_CHECKED;
        return true;
    }
    default:
        return CDialog::OnCommand(code, id, control);
    }
}

void CDlgSearch::Expand()
{
    if (!m_collapsed)
        return;
    m_collapsed = false;
    ShowWindow(m_list, SW_SHOW);
    ShowWindow(m_status, SW_SHOW);
    RECT window = {};
    GetWindowRect(GetSafeHwnd(), &window);
    SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top + kGrowth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgSearch::OnFind()
{
    ClearResults();
    EnableWindow(GetDlgItem(IDC_SEARCH_STOP), TRUE);
    EnableWindow(GetDlgItem(IDC_SEARCH_FIND), FALSE);
    UpdateCount();
    Expand();
    CString text = AppGetWindowText(GetDlgItem(IDC_SEARCH_TEXT));
    text.Trim();
    if (text.IsEmpty())
    {
        EnableWindow(GetDlgItem(IDC_SEARCH_STOP), FALSE);
        EnableWindow(GetDlgItem(IDC_SEARCH_FIND), TRUE);
        return;
    }
    HWND combo = GetDlgItem(IDC_SEARCH_TEXT);
    if (SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.GetString())) ==
        CB_ERR)
    {
        SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(text.GetString()));
        while (SendMessageW(combo, CB_GETCOUNT, 0, 0) > kHistorySize)
            SendMessageW(combo, CB_DELETESTRING, kHistorySize, 0);
        SetWindowTextW(combo, text);
    }
    m_searchText = text;
    StartSearch();
}

void CDlgSearch::StopWorker()
{
    if (!m_worker)
        return;
    m_worker->RequestStop();
    m_worker.reset(); // waits for the worker to return
    m_searching = false;
}

void CDlgSearch::StartSearch()
{
    CWaitCursor wait;
    StopWorker();
    m_records.clear();
    m_host.CopyRecords(m_records);
    m_lines.RemoveAll();
    m_host.CopyOutputLines(m_lines);
    ClearResults();
    try
    {
        m_worker = std::make_unique<CRunnableThread>(this, GetSafeHwnd());
        m_worker->Start();
    }
    catch (int)
    {
        m_worker.reset();
        AppMessageBox(IDS_SEARCH_THREAD_FAILED, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
        return;
    }
    m_searching = true;
    EnableWindow(GetDlgItem(IDCANCEL), TRUE);
    ShowWindow(m_animation, SW_SHOW);
    m_animation.Play();
}

void CDlgSearch::OnStop()
{
    if (m_worker)
        m_worker->RequestStop();
    if (GetFocus() == GetDlgItem(IDC_SEARCH_STOP))
    {
        EnableWindow(GetDlgItem(IDC_SEARCH_FIND), TRUE);
        SetFocus(GetDlgItem(IDC_SEARCH_FIND));
    }
    // Without a worker (it could not start) Find comes back at once.
    if (!m_searching)
    {
        EnableWindow(GetDlgItem(IDC_SEARCH_FIND), TRUE);
        EnableWindow(GetDlgItem(IDC_SEARCH_STOP), FALSE);
    }
}

void CDlgSearch::OnSearchEnded(DWORD threadId)
{
    if (!m_worker || GetThreadId(m_worker->GetThreadHandle()) != threadId)
        return; // the end of a worker already replaced
    m_searching = false;
    TakeResults();
    m_animation.Stop();
    ShowWindow(m_animation, SW_HIDE);
    EnableWindow(GetDlgItem(IDC_SEARCH_FIND), TRUE);
    EnableWindow(GetDlgItem(IDCANCEL), TRUE);
    if (GetFocus() == GetDlgItem(IDC_SEARCH_STOP))
        SetFocus(GetDlgItem(IDC_SEARCH_FIND));
    EnableWindow(GetDlgItem(IDC_SEARCH_STOP), FALSE);
    UpdateCount();
}

void CDlgSearch::TakeResults()
{
    std::vector<SearchResult> taken;
    EnterCriticalSection(&m_lock);
    taken.swap(m_pending);
    LeaveCriticalSection(&m_lock);
    for (SearchResult& result : taken)
    {
        m_rows.push_back(std::make_unique<SearchResult>(std::move(result)));
        const SearchResult& row = *m_rows.back();
        const int item = m_list.InsertItem(m_list.GetItemCount(), row.module, reinterpret_cast<LPARAM>(&row));
        m_list.SetItemText(item, 1, row.text);
    }
    if (!taken.empty())
        UpdateCount();
}

void CDlgSearch::ClearResults()
{
    m_list.DeleteAllItems();
    m_rows.clear();
    EnterCriticalSection(&m_lock);
    m_pending.clear();
    LeaveCriticalSection(&m_lock);
}

void CDlgSearch::UpdateCount()
{
    CString format, text;
    format.LoadString(IDS_SEARCH_COUNT);
    text.Format(format, m_list.GetItemCount());
    m_status.SetText(text);
}

bool CDlgSearch::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.idFrom == IDC_SEARCH_LIST && header.code == NM_DBLCLK)
    {
        OnDoubleClick();
        result = 0;
        return true;
    }
    return CDialog::OnNotify(header, result);
}

void CDlgSearch::OnDoubleClick()
{
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0)
        return;
    const SearchResult& result = *GetResult(row);
    if (result.type == kOutputType)
        m_host.ShowOutputLine(result.page, m_searchText, m_matchCase);
    else
        m_host.ShowRecordControl(static_cast<EnumSendParam>(result.type), result.page, result.controlId,
                                 m_searchText, m_matchCase);
}

void CDlgSearch::OnCancel()
{
    if (IsSearching())
    {
        EnableWindow(GetDlgItem(IDCANCEL), FALSE);
        m_worker->RequestStop();
        return;
    }
    SaveSettings();
    CDialog::OnCancel();
}

void CDlgSearch::Layout(int dx, int dy)
{
    for (size_t i = 0; i < m_controlRects.size(); ++i)
    {
        const Anchor& anchor = kAnchors[i];
        RECT rect = m_controlRects[i].second;
        if (anchor.moves)
            OffsetRect(&rect, dx, 0);
        if (anchor.widens)
            rect.right += dx;
        if (anchor.grows)
        {
            // The list ends above the status bar.
            RECT status = {};
            GetWindowRect(m_status, &status);
            rect.bottom = std::max<LONG>(rect.top, m_clientSize.cy + dy - (status.bottom - status.top) - 4);
        }
        SetWindowPos(GetDlgItem(anchor.id), nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_status.Reposition();
}

void CDlgSearch::OnGetMinMaxInfo(MINMAXINFO& info) const
{
    info.ptMinTrackSize.x = kMinWidth;
    if (m_collapsed)
        info.ptMinTrackSize.y = info.ptMaxTrackSize.y = m_collapsedHeight;
    else
        info.ptMinTrackSize.y = m_collapsedHeight + 20;
}

LRESULT CDlgSearch::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SEARCH_FOUND:
        TakeResults();
        return 0;
    case WM_RUNNABLE_FAILED:
    case WM_RUNNABLE_STOPPED:
    case WM_RUNNABLE_FINISHED:
        OnSearchEnded(static_cast<DWORD>(wParam));
        return 0;
    case WM_GETMINMAXINFO:
        if (m_collapsedHeight)
        {
            OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        }
        break;
    case WM_SIZE:
        if (!m_controlRects.empty())
        {
            // The list's extra height is what the window has below its collapsed size.
            Layout(LOWORD(lParam) - m_clientSize.cx, HIWORD(lParam) - m_clientSize.cy);
        }
        break;
    case WM_DESTROY:
        StopWorker();
        if (m_placement)
            m_placement->SaveWithSize(0, m_collapsedHeight);
        SaveSettings();
        SaveColumnLayout(m_list);
        ClearResults();
        break;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CDlgSearch::Found(const SearchResult& result)
{
    EnterCriticalSection(&m_lock);
    m_pending.push_back(result);
    LeaveCriticalSection(&m_lock);
    PostMessageW(GetSafeHwnd(), WM_SEARCH_FOUND, 0, 0);
}

bool CDlgSearch::Search(HANDLE stop)
{
    if (m_searchProperties)
        for (const auto& record : m_records)
            for (const SearchField& field : SearchableFields(*record))
            {
                if (IsSet(stop))
                    return false;
                if (MatchesSearch(field.text, m_searchText, m_matchCase, m_wholeWord))
                    Found(SearchResult{GetCaptureTypeFullName(record->GetType()), field.text, record->GetType(),
                                       field.page, field.controlId});
            }
    return !m_searchOutput || SearchLines(stop);
}

bool CDlgSearch::SearchLines(HANDLE stop)
{
    CString module;
    module.LoadString(IDS_SEARCH_OUTPUT_WINDOW);
    for (int line = 0; line < m_lines.GetSize(); ++line)
    {
        if (IsSet(stop))
            return false;
        if (MatchesSearch(m_lines[line], m_searchText, m_matchCase, m_wholeWord))
            Found(SearchResult{module, m_lines[line], kOutputType, line, 0});
    }
    return true;
}

void CDlgSearch::Run(CRunnableThread* thread)
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const bool done = !IsSet(thread->GetStopEvent()) && Search(thread->GetStopEvent());
    thread->SetStatus(done ? CRunnableThread::StatusFinished : CRunnableThread::StatusStopped, L"");
    if (SUCCEEDED(com))
        CoUninitialize();
}
