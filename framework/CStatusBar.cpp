#include "framework/CStatusBar.h"

#include "framework/AppModule.h"
#include "framework/CCmdUI.h"
#include "framework/CFrameWnd.h"
#include "framework/Handles.h"

#include <algorithm>
#include <commctrl.h>

namespace
{
// Room beside a pane's text.
const int kPanePadding = 12;

CString IndicatorText(UINT id)
{
    CString text;
    if (text.LoadString(id))
        return text;
    switch (id)
    {
    case ID_INDICATOR_CAPS:
        return L"CAP";
    case ID_INDICATOR_NUM:
        return L"NUM";
    case ID_INDICATOR_SCRL:
        return L"SCRL";
    default:
        return text;
    }
}
} // namespace

// A pane as an update target: disabling it hides its text.
class CStatusCmdUI : public CCmdUI
{
public:
    explicit CStatusCmdUI(CStatusBar& bar) : m_bar(bar) {}
    void Enable(bool on) override
    {
        m_bar.ShowPane(static_cast<int>(m_nIndex), on);
        m_bEnableChanged = true;
    }
    void SetCheck(int) override {}
    void SetText(const wchar_t* text) override { m_bar.SetPaneText(static_cast<int>(m_nIndex), text); }

private:
    CStatusBar& m_bar;
};

bool CStatusBar::Create(HWND parent, DWORD style, UINT id)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!CreateBar(0, L"", style | WS_CLIPCHILDREN, parent, id))
        return false;
    m_status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 0, 0, GetSafeHwnd(), nullptr, AppGetCodeModule(), nullptr);
    return m_status != nullptr;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count)
{
    m_panes.clear();
    for (int i = 0; i < count; ++i)
    {
        CString text = ids[i] == ID_SEPARATOR ? CString() : IndicatorText(ids[i]);
        m_panes.push_back({ids[i], text, TextWidth(text) + kPanePadding, true});
    }
    SetParts();
    for (int i = 0; i < count; ++i)
        SendMessageW(m_status, SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(m_panes[i].text.GetString()));
    return m_status != nullptr;
}

HGDIOBJ CStatusBar::PaneFont() const
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(m_status, WM_GETFONT, 0, 0));
    return font ? font : GetStockObject(DEFAULT_GUI_FONT);
}

int CStatusBar::TextWidth(const CString& text) const
{
    CClientDCHandle dc(m_status);
    CSelectedObject selected(dc, PaneFont());
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.GetString(), text.GetLength(), &size);
    return size.cx;
}

void CStatusBar::SetParts()
{
    if (!m_status || m_panes.empty())
        return;
    RECT client;
    GetClientRect(m_status, &client);
    std::vector<int> rights(m_panes.size());
    int right = client.right;
    for (size_t i = m_panes.size(); i-- > 1;)
    {
        rights[i] = right;
        right -= m_panes[i].width;
    }
    rights[0] = right;
    SendMessageW(m_status, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

UINT CStatusBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == id)
            return static_cast<int>(i);
    return -1;
}

void CStatusBar::SetPaneText(int index, const wchar_t* text)
{
    if (index < 0 || index >= GetCount())
        return;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    pane.text = text ? text : L"";
    if (pane.shown)
        SendMessageW(m_status, SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(pane.text.GetString()));
}

CString CStatusBar::GetPaneText(int index) const
{
    if (index < 0 || index >= GetCount())
        return CString();
    const Pane& pane = m_panes[static_cast<size_t>(index)];
    return pane.shown ? pane.text : CString();
}

void CStatusBar::ShowPane(int index, bool shown)
{
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.shown == shown)
        return;
    pane.shown = shown;
    SendMessageW(m_status, SB_SETTEXTW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(shown ? pane.text.GetString() : L""));
}

SIZE CStatusBar::CalcFixedLayout(bool stretch, bool horz)
{
    TEXTMETRICW metrics = {};
    {
        CClientDCHandle dc(m_status);
        CSelectedObject selected(dc, PaneFont());
        GetTextMetricsW(dc, &metrics);
    }
    SIZE size = CControlBar::CalcFixedLayout(stretch, horz);
    size.cy = metrics.tmHeight + 8;
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler)
{
    CStatusCmdUI item(*this);
    item.m_nIndexMax = static_cast<UINT>(GetCount());
    for (item.m_nIndex = 0; item.m_nIndex < item.m_nIndexMax; ++item.m_nIndex)
    {
        item.m_nID = m_panes[item.m_nIndex].id;
        // The message pane is the frame's to fill.
        if (item.m_nID != ID_SEPARATOR)
            item.DoUpdate(*target, disableIfNoHandler);
    }
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SIZE:
        SetWindowPos(m_status, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOACTIVATE);
        SetParts();
        break;
    case WM_SETTEXT:
        if (CommandToIndex(ID_SEPARATOR) == 0)
            SetPaneText(0, reinterpret_cast<const wchar_t*>(lParam));
        return TRUE;
    case WM_GETTEXTLENGTH:
        return GetPaneText(0).GetLength();
    case WM_GETTEXT:
    {
        CString text = GetPaneText(0);
        int count = (std::min)(static_cast<int>(wParam) - 1, text.GetLength());
        if (count < 0)
            return 0;
        wmemcpy(reinterpret_cast<wchar_t*>(lParam), text.GetString(), static_cast<size_t>(count));
        reinterpret_cast<wchar_t*>(lParam)[count] = L'\0';
        return count;
    }
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
