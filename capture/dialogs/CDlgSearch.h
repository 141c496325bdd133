#pragma once
// CDlgSearch: Find. Searches a text in the settings of every capture kind and destination
// and in the output window's lines, on a worker thread over copies taken when the search
// starts; each hit is a row, and a double click on a row shows where it was found.
// Modeless: Close hides it (its search history and options are written then and when it
// goes).
//
// Worker and dialog: the worker reads only its copies and the options fixed at the start;
// it appends each hit to a pending list under the lock and posts WM_SEARCH_FOUND; it
// checks the stop event before every field. The dialog's thread alone touches windows:
// it moves pending hits into rows, counts them, and ends the search on the thread's end
// message (that of the current worker only). A new search, Stop, Close and the destructor
// ask the worker to stop; the destructor then waits for it, never ending it by force.
#include "capture/dialogs/ISearchHost.h"
#include "common/CRunnableThread.h"
#include "common/IRunnable.h"
#include "framework/CAnimateCtrl.h"
#include "framework/CDialog.h"
#include "framework/CListCtrlEmptyTitle.h"
#include "framework/CListParentItemImp.h"
#include "framework/CStatusBarCtrl.h"

class CPersistWindowPlacement;

struct SearchResult
{
    CString module;
    CString text;
    int type; // a record type, or CDlgSearch::kOutputType
    int page; // the page index, or the output line
    UINT controlId;
};

class CDlgSearch : public CDialog, public CListParentItemImp, public IRunnable
{
public:
    static constexpr int kOutputType = 1000;
    static constexpr int kHistorySize = 10;
    static constexpr int kGrowth = 200;
    static constexpr int kMinWidth = 400;
    static constexpr UINT WM_SEARCH_FOUND = WM_APP + 103;

    CDlgSearch(ISearchHost& host, HWND parent = nullptr);
    ~CDlgSearch() override;

    void Run(CRunnableThread* thread) override;
    bool IsSearching() const { return m_worker && m_searching; }
    bool IsCollapsed() const { return m_collapsed; }
    int GetCollapsedHeight() const { return m_collapsedHeight; }
    CListCtrlEmptyTitle& GetResultList() { return m_list; }
    CStatusBarCtrl& GetStatusBar() { return m_status; }
    CAnimateCtrl& GetAnimation() { return m_animation; }
    const SearchResult* GetResult(int row) const
    {
        return reinterpret_cast<const SearchResult*>(m_list.GetItemData(row));
    }

    void GetColumns(CArray<CColumn>& columns) override;
    void StoreColumnWidths(const CArray<int>& widths) override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnCancel() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadSettings();
    void SaveSettings();
    void OnFind();
    void StartSearch();
    void StopWorker();
    void OnStop();
    void OnSearchEnded(DWORD threadId);
    void TakeResults();
    void ClearResults();
    void UpdateCount();
    void OnDoubleClick();
    void Expand();
    void Layout(int dx, int dy);
    void OnGetMinMaxInfo(MINMAXINFO& info) const;
    // The worker's search; false when it was asked to stop.
    bool Search(HANDLE stop);
    bool SearchLines(HANDLE stop);
    void Found(const SearchResult& result);

    ISearchHost& m_host;
    CString m_searchText;
    bool m_matchCase = false;
    bool m_wholeWord = false;
    bool m_searchProperties = false;
    bool m_searchOutput = false;
    bool m_collapsed = true;
    int m_collapsedHeight = 0;
    SIZE m_clientSize = {};                          // at initialisation
    std::vector<std::pair<UINT, RECT>> m_controlRects; // at initialisation, client coordinates
    std::unique_ptr<CPersistWindowPlacement> m_placement;
    std::unique_ptr<CRunnableThread> m_worker;
    bool m_searching = false;
    std::vector<std::unique_ptr<SendParam>> m_records;
    CStringArray m_lines;
    CRITICAL_SECTION m_lock;
    std::vector<SearchResult> m_pending; // under m_lock
    std::vector<std::unique_ptr<SearchResult>> m_rows;
    CListCtrlEmptyTitle m_list;
    CStatusBarCtrl m_status;
    CAnimateCtrl m_animation;
};
