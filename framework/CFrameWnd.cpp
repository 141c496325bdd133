#include "framework/CFrameWnd.h"

#include "framework/AppMainWnd.h"
#include "framework/AppModule.h"
#include "framework/AppRepositionBars.h"
#include "framework/CCmdUI.h"
#include "framework/CDockContext.h"
#include "framework/CDockState.h"
#include "framework/CWinApp.h"

#include <algorithm>

namespace
{
struct DockSide
{
    DWORD align;
    UINT id;
};
// The order in which dock bars are made, and so laid out and searched.
const DockSide kDockSides[] = {{CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP},
                               {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM},
                               {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT},
                               {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT}};

// The string whose id is the command's, split at its line feed into prompt and tip.
bool LoadCommandString(UINT id, CString& prompt, CString& tip)
{
    CString text;
    if (id == 0 || !text.LoadString(id))
        return false;
    int feed = text.Find(L'\n');
    prompt = feed < 0 ? text : text.Left(feed);
    tip = feed < 0 ? CString() : text.Mid(feed + 1);
    return true;
}
} // namespace

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    // The window goes while the dock bars and floating frames are whole.
    DestroyWindow();
    // Bars that outlive the frame must not reach it or its dock bars any more.
    for (CControlBar* bar : m_listControlBars)
    {
        bar->m_pDockSite = nullptr;
        bar->m_pDockBar = nullptr;
    }
    m_listControlBars.clear();
}

bool CFrameWnd::Create(const wchar_t* title, DWORD style, const RECT& rect, HWND parent, UINT menuId, DWORD exStyle)
{
    CString className = AppRegisterWndClass(CS_DBLCLKS, LoadCursorW(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    CREATESTRUCTW cs = {};
    cs.lpszName = title;
    cs.lpszClass = className;
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = parent;
    PreCreateWindow(cs);
    m_hMenu = menuId ? LoadMenuW(AppGetResourceHandle(), MAKEINTRESOURCEW(menuId)) : nullptr;
    RECT place = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    if (CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, place, cs.hwndParent, 0))
        return true;
    if (m_hMenu)
        DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return false;
}

void CFrameWnd::PreCreateWindow(CREATESTRUCTW&)
{
}

int CFrameWnd::OnCreate(CREATESTRUCTW&)
{
    return 0;
}

void CFrameWnd::OnDestroy()
{
    if (AppGetMainWnd() == GetSafeHwnd())
    {
        AppSetMainWnd(nullptr);
        PostQuitMessage(0);
    }
}

CFrameWnd* CFrameWnd::FromChild(HWND window)
{
    for (HWND w = window; w; w = GetParent(w))
        if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(w)))
            return frame;
    return nullptr;
}

void CFrameWnd::SetActiveView(CWnd* view)
{
    m_hWndActiveView = view ? view->GetSafeHwnd() : nullptr;
}

CWnd* CFrameWnd::GetActiveView() const
{
    return CWnd::FromHandle(m_hWndActiveView);
}

bool CFrameWnd::OnCmdMsg(UINT id, CmdRequest request, CCmdUI* item)
{
    CWnd* view = GetActiveView();
    if (view && view->OnCmdMsg(id, request, item))
        return true;
    if (CWnd::OnCmdMsg(id, request, item))
        return true;
    CWinApp* app = AppGetApp();
    return app && app->OnCmdMsg(id, request, item);
}

const CCommandMap* CFrameWnd::GetCommandMap() const
{
    static const CCommandMap map =
        CCommandMapOf<CFrameWnd>(nullptr)
            .OnRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
            .OnUpdateRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
            .OnUpdateRange(ID_INDICATOR_CAPS, ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator);
    return &map;
}

void CFrameWnd::RecalcLayout()
{
    if (m_bInRecalcLayout || !GetSafeHwnd())
        return;
    m_bInRecalcLayout = true;
    m_bRecalcPending = false;
    AppRepositionBars(GetSafeHwnd(), 0, 0xFFFF, AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = false;
}

void CFrameWnd::DelayRecalcLayout()
{
    if (m_bRecalcPending || !GetSafeHwnd())
        return;
    m_bRecalcPending = true;
    PostMessageW(GetSafeHwnd(), WM_RECALCLAYOUT, 0, 0);
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    if (m_bRecalcPending)
        RecalcLayout();
    if (!m_bIdlePromptShown && GetControlBar(AFX_IDW_STATUS_BAR))
    {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
        m_bIdlePromptShown = true;
    }
    // A bar's handler may hide or dock bars: walk a copy.
    std::vector<CControlBar*> bars = m_listControlBars;
    for (CControlBar* bar : bars)
        if (!bar->IsDockBar() && bar->IsVisible())
            bar->OnUpdateCmdUI(this, true);
}

bool CFrameWnd::GetMessageString(UINT id, CString& prompt)
{
    CString tip;
    return LoadCommandString(id, prompt, tip);
}

bool CFrameWnd::GetTipString(UINT id, CString& tip)
{
    CString prompt;
    return LoadCommandString(id, prompt, tip) && !tip.IsEmpty();
}

void CFrameWnd::SetMessageText(UINT id)
{
    CString prompt;
    GetMessageString(id, prompt);
    SetMessageText(prompt.GetString());
}

void CFrameWnd::SetMessageText(const wchar_t* text)
{
    if (CControlBar* bar = GetControlBar(AFX_IDW_STATUS_BAR))
        SetWindowTextW(bar->GetSafeHwnd(), text);
}

void CFrameWnd::OnInitMenuPopup(HMENU popup, bool systemMenu)
{
    if (systemMenu)
        return;
    CCmdUI::UpdatePopupMenu(popup, [this](CCmdUI& item) {
        // A pop-up item follows the state of its first command, never disabled for want of one.
        bool disable = m_bAutoMenuEnable && !item.m_hSubMenu && item.m_nID < 0xF000;
        item.DoUpdate(*this, disable);
    });
}

void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu)
{
    if (flags == 0xFFFF && !menu)
        SetMessageText(AFX_IDS_IDLEMESSAGE); // the menu closed
    else if (item == 0 || (flags & (MF_POPUP | MF_SEPARATOR)))
        SetMessageText(L"");
    else
        SetMessageText(item);
}

void CFrameWnd::OnBarCheck(UINT id)
{
    if (CControlBar* bar = GetControlBar(id))
        ShowControlBar(bar, !bar->IsVisible(), false);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* item)
{
    CControlBar* bar = GetControlBar(item->m_nID);
    item->Enable(bar != nullptr);
    item->SetCheck(bar && bar->IsVisible() ? 1 : 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* item)
{
    int key = item->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : item->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
    item->Enable((GetKeyState(key) & 1) != 0);
}

void CFrameWnd::AddControlBar(CControlBar* bar)
{
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), bar) == m_listControlBars.end())
        m_listControlBars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar)
{
    m_listControlBars.erase(std::remove(m_listControlBars.begin(), m_listControlBars.end(), bar),
                            m_listControlBars.end());
    if (bar->GetSafeHwnd() == m_hWndActiveView)
        m_hWndActiveView = nullptr;
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const
{
    for (CControlBar* bar : m_listControlBars)
    {
        // Every floating frame's dock bar has the same id: none of them is meant.
        bool floatingDockBar = bar->IsDockBar() && static_cast<CDockBar*>(bar)->IsFloatingDockBar();
        if (!floatingDockBar && bar->GetSafeHwnd() && static_cast<UINT>(GetDlgCtrlID(bar->GetSafeHwnd())) == id)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* bar, bool show, bool delay)
{
    if (!bar || !bar->GetSafeHwnd())
        return;
    ShowWindow(bar->GetSafeHwnd(), show ? SW_SHOWNOACTIVATE : SW_HIDE);
    UpdateMiniFrame(bar);
    if (delay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

void CFrameWnd::UpdateMiniFrame(CControlBar* bar)
{
    if (!bar->IsFloating())
        return;
    for (auto& mini : m_miniFrames)
    {
        if (&mini->GetDockBar() != bar->GetDockBar())
            continue;
        mini->ShowForBars();
        mini->RecalcLayout();
    }
}

void CFrameWnd::EnableDocking(DWORD dockStyle)
{
    for (const DockSide& side : kDockSides)
    {
        if (!(dockStyle & side.align) || GetDockBar(side.id))
            continue;
        auto dockBar = std::make_unique<CDockBar>();
        if (dockBar->Create(GetSafeHwnd(), side.align, side.id, this))
            m_dockBars.push_back(std::move(dockBar));
    }
}

CDockBar* CFrameWnd::GetDockBar(UINT id) const
{
    for (const auto& dockBar : m_dockBars)
        if (static_cast<UINT>(GetDlgCtrlID(dockBar->GetSafeHwnd())) == id)
            return dockBar.get();
    return nullptr;
}

CDockBar* CFrameWnd::CanDockTo(DWORD dockStyle) const
{
    for (const DockSide& side : kDockSides)
        if (dockStyle & side.align)
            if (CDockBar* dockBar = GetDockBar(side.id))
                return dockBar;
    return nullptr;
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT dockBarId, const POINT* screen)
{
    DockControlBar(bar, dockBarId ? GetDockBar(dockBarId) : CanDockTo(bar->m_dwDockStyle), screen);
}

void CFrameWnd::DockControlBar(CControlBar* bar, CDockBar* dockBar, const POINT* screen)
{
    if (!bar || !dockBar)
        return;
    dockBar->DockControlBar(bar, screen);
    RemoveEmptyMiniFrames();
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::NewFloatingFrame(DWORD barStyle)
{
    CWndPtr<CMiniDockFrameWnd> mini(m_newFloatingFrame ? m_newFloatingFrame() : new CMiniDockFrameWnd);
    if (!mini->Create(this, barStyle))
        return nullptr;
    m_miniFrames.push_back(std::move(mini));
    return m_miniFrames.back().get();
}

void CFrameWnd::FloatControlBar(CControlBar* bar, POINT screen)
{
    if (!bar || !bar->GetSafeHwnd())
        return;
    CMiniDockFrameWnd* mini = nullptr;
    for (auto& frame : m_miniFrames)
        if (bar->IsFloating() && &frame->GetDockBar() == bar->GetDockBar())
            mini = frame.get();
    if (!mini)
    {
        mini = NewFloatingFrame(bar->GetBarStyle());
        if (!mini)
            return;
        mini->GetDockBar().DockControlBar(bar);
    }
    // Moved first, sized then: a floating frame may change its own frame style on its first move.
    SetWindowPos(mini->GetSafeHwnd(), nullptr, screen.x, screen.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SIZE size = (bar->GetBarStyle() & CBRS_SIZE_DYNAMIC) ? bar->CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH)
                                                         : bar->CalcFixedLayout(false, true);
    size = mini->ClientSizeFor(size);
    RECT r = {0, 0, size.cx, size.cy};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(mini->GetSafeHwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(mini->GetSafeHwnd(), GWL_EXSTYLE)));
    SetWindowPos(mini->GetSafeHwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    mini->RecalcLayout();
    mini->ShowForBars();
    if (CDockContext* context = bar->GetDockContext())
    {
        context->m_ptMRUFloatPos = screen;
        context->m_bHasFloated = true;
    }
    RemoveEmptyMiniFrames();
    RecalcLayout();
}

void CFrameWnd::RemoveEmptyMiniFrames()
{
    m_miniFrames.erase(std::remove_if(m_miniFrames.begin(), m_miniFrames.end(),
                                      [](const CWndPtr<CMiniDockFrameWnd>& mini) { return !mini->GetFirstBar(); }),
                       m_miniFrames.end());
}

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.m_arrBarInfo.clear();
    for (CControlBar* bar : m_listControlBars)
    {
        CControlBarInfo info;
        info.m_nBarID = static_cast<UINT>(GetDlgCtrlID(bar->GetSafeHwnd()));
        info.m_bVisible = bar->IsVisible();
        info.m_bHorz = bar->IsHorz();
        info.m_bFloating = bar->IsFloating();
        if (CDockContext* context = bar->GetDockContext())
        {
            info.m_uMRUDockID = context->m_uMRUDockID;
            info.m_ptMRUFloatPos = context->m_ptMRUFloatPos;
        }
        if (bar->IsDockBar())
        {
            auto* dockBar = static_cast<CDockBar*>(bar);
            for (const CDockBar::Row& row : dockBar->GetRows())
            {
                if (!info.m_arrBarID.empty())
                    info.m_arrBarID.push_back(0);
                for (CControlBar* docked : row)
                    info.m_arrBarID.push_back(static_cast<UINT>(GetDlgCtrlID(docked->GetSafeHwnd())));
            }
            if (dockBar->IsFloatingDockBar())
            {
                if (info.m_arrBarID.empty())
                    continue;
                RECT inside;
                GetWindowRect(dockBar->GetSafeHwnd(), &inside);
                info.m_nBarID = info.m_arrBarID.front() + CControlBarInfo::kFloatingDockBarFlag;
                info.m_bFloating = true;
                info.m_bVisible = IsWindowVisible(GetParent(dockBar->GetSafeHwnd())) != FALSE;
                info.m_pointPos = {inside.left, inside.top};
            }
        }
        state.m_arrBarInfo.push_back(info);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    auto barsOf = [this](const CControlBarInfo& info) {
        std::vector<CDockBar::Row> rows(1);
        for (UINT id : info.m_arrBarID)
        {
            if (id == 0)
                rows.emplace_back();
            else if (CControlBar* bar = GetControlBar(id))
                rows.back().push_back(bar);
        }
        return rows;
    };
    for (const CControlBarInfo& info : state.m_arrBarInfo)
    {
        CControlBar* bar = GetControlBar(info.m_nBarID);
        if (!bar || bar->IsDockBar())
            continue;
        ShowWindow(bar->GetSafeHwnd(), info.m_bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (CDockContext* context = bar->GetDockContext())
        {
            context->m_uMRUDockID = info.m_uMRUDockID;
            context->m_ptMRUFloatPos = info.m_ptMRUFloatPos;
            context->m_bHasFloated = info.m_bFloating || info.m_ptMRUFloatPos.x || info.m_ptMRUFloatPos.y;
        }
    }
    for (const CControlBarInfo& info : state.m_arrBarInfo)
    {
        if (info.m_nBarID >= CControlBarInfo::kFloatingDockBarFlag)
        {
            // The record holds the inside of the floating frame; the frame goes around it.
            RECT frame = {0, 0, 0, 0};
            AdjustWindowRectEx(&frame, CMiniDockFrameWnd::kWindowStyle, FALSE, CMiniDockFrameWnd::kWindowExStyle);
            POINT origin = {info.m_pointPos.x + frame.left, info.m_pointPos.y + frame.top};
            for (const CDockBar::Row& row : barsOf(info))
                for (CControlBar* bar : row)
                    FloatControlBar(bar, origin);
        }
        else if (CDockBar* dockBar = GetDockBar(info.m_nBarID))
        {
            std::vector<CDockBar::Row> rows = barsOf(info);
            rows.erase(std::remove_if(rows.begin(), rows.end(), [](const CDockBar::Row& row) { return row.empty(); }),
                       rows.end());
            dockBar->SetRows(rows);
        }
    }
    RemoveEmptyMiniFrames();
    for (auto& mini : m_miniFrames)
        mini->ShowForBars();
    RecalcLayout();
}

void CFrameWnd::SaveBarState(const wchar_t* profileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(profileName);
}

void CFrameWnd::LoadBarState(const wchar_t* profileName)
{
    CDockState state;
    state.LoadState(profileName);
    SetDockState(state);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
        if (m_hMenu)
            ::SetMenu(GetSafeHwnd(), m_hMenu);
        return OnCreate(*reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            RecalcLayout();
        return 0;
    case WM_RECALCLAYOUT:
        if (m_bRecalcPending)
            RecalcLayout();
        return 0;
    case WM_IDLEUPDATECMDUI:
        OnIdleUpdateCmdUI();
        return 0;
    case WM_SETMESSAGESTRING:
        if (lParam)
            SetMessageText(reinterpret_cast<const wchar_t*>(lParam));
        else
            SetMessageText(static_cast<UINT>(wParam));
        return 0;
    case WM_COMMAND:
        // Menu items (code 0), accelerators (1) and buttons (BN_CLICKED, 0) are commands.
        if (HIWORD(wParam) <= 1 && OnCmdMsg(LOWORD(wParam), CmdRequest::Run, nullptr))
            return 0;
        break;
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam), HIWORD(lParam) != 0);
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
        return 0;
    case WM_SETFOCUS:
        if (CWnd* view = GetActiveView())
        {
            ::SetFocus(view->GetSafeHwnd());
            return 0;
        }
        break;
    default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
