#include "app/CMainFrame.h"

#include "app/AppIds.h"
#include "app/AppSeams.h"
#include "capture/CaptureMessages.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CaptureType.h"
#include "capture/controller/CMenuActions.h"
#include "capture/selection/CScTitleTip.h"
#include "capture/training/CCBTManager.h"
#include "capture/video/VideoPlayerIds.h"
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoVideoPlaying.h"
#include "Info/InfoVideoRecording.h"
#include "common/CEventLog.h"
#include "common/PathHelpers.h"
#include "common/CPersistWindowPlacement.h"
#include "cuehook/CuehookApi.h"
#include "framework/AppFrameBarState.h"
#include "framework/AppMainWnd.h"
#include "framework/AppMessageBox.h"
#include "framework/AppMessageLoop.h"
#include "framework/AppModule.h"
#include "framework/CSCBMiniDockFrameWnd.h"
#include "framework/CWaitCursor.h"
#include "hkvell/HkVellApi.h"

#include <shellapi.h>

namespace
{
const wchar_t kDefaultPlacement[] = L"0,1,-1,-1,-1,-1,22,29,798,673";
const DWORD kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                            CBRS_SIZE_DYNAMIC;
const DWORD kDockingBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
const int kSettingsPaneHeight = 134;
const int kPropertiesPaneHeight = 400;
const UINT kPollPeriodMs = CRightButtonHold::kTickMs;

// The tip of a capture's result: where it shows, and its texts and colours.
const int kTipWidth = 150;
const COLORREF kSucceededColour = RGB(10, 154, 100);
const COLORREF kFailedColour = RGB(255, 0, 0);

const wchar_t kEventSource[] = L"Vellumor";
const DWORD kFailureEventId = 1;
} // namespace

const wchar_t* const CMainFrame::kBarSection = L"CtrlBars\\Bar";
const wchar_t* const CMainFrame::kHelpFile = L"Vellumor.chm";

CMainFrame::CMainFrame(CLocalController& controller)
    : CInstanceCop(true), m_controller(controller),
      m_captureTypesBar(new CCtrlBarCaptureTypes(controller, this)), m_searchHost(*this, controller),
      m_dialogs(AppCreateMainDialogs())
{
    m_icon = static_cast<HICON>(
        LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDI_VELLUMOR), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    m_lastSettings.LoadFromRegistry();
}

CMainFrame::~CMainFrame()
{
    if (GetSafeHwnd())
        ::DestroyWindow(GetSafeHwnd());
}

bool CMainFrame::LoadFrame()
{
    CString title;
    title.LoadString(IDS_APP_TITLE);
    RECT rect = {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    if (!Create(title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, nullptr, IDR_MAINFRAME))
        return false;
    m_accelerators = LoadAcceleratorsW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME));
    AppSetAccelerators(GetSafeHwnd(), m_accelerators);
    return true;
}

void CMainFrame::PreCreateWindow(CREATESTRUCTW& cs)
{
    BitmapMenu<CFrameWnd>::PreCreateWindow(cs);
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    static const CString windowClass = AppRegisterWndClass(0, nullptr, nullptr, nullptr);
    cs.lpszClass = windowClass;
}

int CMainFrame::OnCreate(CREATESTRUCTW& cs)
{
    if (BitmapMenu<CFrameWnd>::OnCreate(cs) == -1)
        return -1;
    AppSetMainWnd(GetSafeHwnd());
    SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageW(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    AddTrayIcon();
    if (!CreateToolBars() || !CreateStatusBar())
        return -1;
    // The pages of the views read the live records through the host as they are made.
    SetCapturePageHost(this);
    EnableDocking(CBRS_ALIGN_ANY);
    for (CToolBar* bar : {&m_toolBar, &m_toolBarMisc})
        bar->EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_toolBar);
    DockControlBar(&m_toolBarMisc, AFX_IDW_DOCKBAR_RIGHT);
    CreateSplitter();
    CreateDockingBars();
    m_controller.SetScreenManagerOwner(this);
    m_controller.SetPresentationManagerOwner(this);
    m_controller.SetHost(this);
    if (auto* training = dynamic_cast<CCBTManager*>(m_controller.GetTrainingManager()))
        training->SetMainWindow(GetSafeHwnd());
    PrepareHooks();
    m_placement.reset(new CPersistWindowPlacement(GetSafeHwnd()));
    m_placement->Restore(SW_SHOWNORMAL, false, kDefaultPlacement);
    SwitchCaptureHooks();
    m_idleHandler = AppAddIdleHandler([this](LONG) {
        OnIdleUpdateCmdUI();
        return false;
    });
    return 0;
}

bool CMainFrame::CreateToolBars()
{
    if (!m_toolBar.CreateEx(GetSafeHwnd(), TBSTYLE_FLAT, kToolBarStyle, AFX_IDW_TOOLBAR) ||
        !m_toolBar.LoadToolBar(IDR_MAINFRAME))
        return false;
    SetWindowTextW(m_toolBar.GetSafeHwnd(), L"Main Toolbar");
    if (!m_toolBarMisc.CreateEx(GetSafeHwnd(), TBSTYLE_FLAT, kToolBarStyle, IDW_TOOLBAR_MISC) ||
        !m_toolBarMisc.LoadToolBar(IDR_TOOLBAR_MISC))
        return false;
    SetWindowTextW(m_toolBarMisc.GetSafeHwnd(), L"Miscellaneous Toolbar");
    return true;
}

bool CMainFrame::CreateStatusBar()
{
    return m_statusBar.Create(GetSafeHwnd()) &&
           m_statusBar.SetIndicators(kIndicators, static_cast<int>(sizeof kIndicators / sizeof kIndicators[0]));
}

// A splitter that cannot be made leaves the frame without views; the frame goes on.
void CMainFrame::CreateSplitter()
{
    m_settingsView.reset(new CFormVwSettings(AppCreateSettingsSheet()));
    m_propertiesView.reset(new CFormVwProperties(AppCreatePropertiesSheet(), [this](EnumSendParam type) {
        return IsDisplayFlagOn(type);
    }));
    RECT client = {};
    GetClientRect(GetSafeHwnd(), &client);
    if (!m_splitter.CreateStatic(GetSafeHwnd(), 2, 1, client, AFX_IDW_PANE_FIRST) ||
        !m_splitter.CreateView(0, 0, *m_settingsView, kSettingsPaneHeight) ||
        !m_splitter.CreateView(1, 0, *m_propertiesView, kPropertiesPaneHeight))
        return;
    m_settingsView->OnInitialUpdate();
    m_propertiesView->OnInitialUpdate();
}

// A docking bar that cannot be made is left out; the frame goes on.
void CMainFrame::CreateDockingBars()
{
    SetFloatingFrameClass<CSCBMiniDockFrameWnd>();
    bool typesMade = m_captureTypesBar->Create(L"Capture Types", GetSafeHwnd(), IDW_BAR_CAPTURE_TYPES,
                                               kDockingBarStyle);
    if (typesMade)
    {
        m_captureTypesBar->EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(m_captureTypesBar.get(), AFX_IDW_DOCKBAR_LEFT);
    }
    bool outputMade = m_outputBar.Create(L"Output", GetSafeHwnd(), IDW_BAR_OUTPUT, kDockingBarStyle);
    if (outputMade)
    {
        m_outputBar.EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_outputBar, AFX_IDW_DOCKBAR_BOTTOM);
    }
    AppLoadFrameBarState(*this, kBarSection);
    if (typesMade && outputMade)
    {
        RegisterToolBar(&m_toolBar);
        RegisterToolBar(&m_toolBarMisc);
    }
}

void CMainFrame::AddTrayIcon()
{
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = GetSafeHwnd();
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_NOTIFY;
    data.hIcon = m_icon;
    lstrcpynW(data.szTip, L"Vellumor", sizeof data.szTip / sizeof data.szTip[0]);
    Shell_NotifyIconW(NIM_ADD, &data);
}

void CMainFrame::RemoveTrayIcon()
{
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = GetSafeHwnd();
    data.uID = 0;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

// The watch learns the repeat key and the selection type; the training hot key records
// or plays as the training choice says.
void CMainFrame::PrepareHooks()
{
    if (!m_hooks.IsLoaded())
        m_hooks.Load();
    if (CScreenCaptureManager* screen = m_controller.GetScreenManager())
    {
        const InfoScSettings* settings = screen->GetSettings();
        m_hooks.HkVellSetRepeatHotKey(settings->RLC);
        m_hooks.HkVellSetSelectionType(settings->Type);
    }
    HkSetRecordFlag(m_controller.IsRecActive(CT_TRAINING) ? 1 : 0);
}

void CMainFrame::OnDestroy()
{
    if (m_placement)
        m_placement->Save();
    RemoveTrayIcon();
    KillTimer(GetSafeHwnd(), kHoldTimerId);
    m_hooks.HkVellStopWatch();
    m_hooks.HkVellStopNotify();
    HookCBTKeyboard::UnInstallKeyboardProc();
    m_controller.SetHost(nullptr);
    if (auto* training = dynamic_cast<CCBTManager*>(m_controller.GetTrainingManager()))
        training->SetMainWindow(nullptr);
    if (GetCapturePageHost() == this)
        SetCapturePageHost(nullptr);
    m_controller.SetScreenManagerOwner(nullptr);
    m_controller.SetPresentationManagerOwner(nullptr);
    AppRemoveIdleHandler(m_idleHandler);
    AppSetAccelerators(GetSafeHwnd(), nullptr);
    m_placement.reset();
    m_tip.reset();
    m_dialogs.reset();
    if (m_icon)
        DestroyIcon(m_icon);
    m_icon = nullptr;
    BitmapMenu<CFrameWnd>::OnDestroy();
    if (AppGetMainWnd() == GetSafeHwnd())
        AppSetMainWnd(nullptr);
    PostQuitMessage(0);
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CInstanceCop::GetQueryMessage() && message != 0)
        return OnInstanceQuery(wParam, lParam);
    switch (message)
    {
    case WM_TIMER:
        if (wParam == kHoldTimerId)
            OnHoldTimer();
        m_controller.OnTimeTimer(wParam);
        break;
    case WM_SETFOCUS:
    {
        LRESULT result = BitmapMenu<CFrameWnd>::WindowProc(message, wParam, lParam);
        RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return result;
    }
    case WM_CLOSE:
        // The frames of floating bars are owned windows, destroyed before the frame hears
        // WM_DESTROY: the bars' places are saved while every bar is still there.
        AppSaveFrameBarState(*this, kBarSection);
        break;
    case WM_TRAY_NOTIFY:
        OnTrayNotify(lParam);
        return 0;
    case WM_CAPTURE_ENDED:
        OnCaptureEnded(lParam);
        return 0;
    case WM_OUTPUT_TEXT:
        OnOutputText(reinterpret_cast<const wchar_t*>(lParam));
        return 0;
    case WM_HOOK_MOUSE:
        if (CScreenCaptureManagerBase* manager = CurrentManager())
            manager->OnHookMouseMessage(static_cast<UINT>(wParam), reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam));
        return 0;
    case WM_HELP:
        OnHelpContents();
        return TRUE;
    default:
        if (OnEngineMessage(message, wParam, lParam))
            return 0;
        break;
    }
    return BitmapMenu<CFrameWnd>::WindowProc(message, wParam, lParam);
}

// The managers' notifications, whose arguments are not read.
bool CMainFrame::OnEngineMessage(UINT message, WPARAM, LPARAM)
{
    switch (message)
    {
    case WM_USER + 116:
    case WM_USER + 120:
    case WM_USER + 124:
    case WM_USER + 128:
    case WM_USER + 131:
    case WM_USER + 132:
        m_controller.OnStopped();
        return true;
    case WM_USER + 123:
    case WM_USER + 127:
        m_controller.OnStarted();
        return true;
    case WM_USER + 125:
    case WM_USER + 129:
        m_controller.OnPaused();
        return true;
    case WM_USER + 126:
    case WM_USER + 130:
        m_controller.OnResumed();
        return true;
    case WM_CLOSE_VIDEO_RECORDER:
    case WM_CLOSE_VIDEO_PLAYER:
        if (IMediaCaptureManager* video = m_controller.GetVideoManager())
            video->CloseWindow(message == WM_CLOSE_VIDEO_RECORDER);
        return true;
    default:
        return false;
    }
}

void CMainFrame::OnTrayNotify(LPARAM mouseMessage)
{
    if (mouseMessage == WM_LBUTTONDBLCLK)
    {
        ShowWindow(GetSafeHwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(GetSafeHwnd());
    }
    else if (mouseMessage == WM_RBUTTONDOWN)
    {
        CMenuActions(CMenuActions::kTray, m_controller).Show(m_controller.GetCaptureType());
    }
}

void CMainFrame::OnCaptureEnded(LPARAM repeat)
{
    if (!IsAnyCaptureInProgress())
        OnCaptureFinished(DR_NOTHING_DONE, repeat != 0, true, true, false);
}

void CMainFrame::OnOutputText(const wchar_t* text)
{
    if (text && m_controller.GetGlobalOptions().GetShowErrorLog())
        m_outputBar.AppendLine(text, static_cast<int>(m_controller.GetGlobalOptions().GetMaxLines()));
}

void CMainFrame::TrimOutput()
{
    m_outputBar.TrimToLimit(static_cast<int>(m_controller.GetGlobalOptions().GetMaxLines()));
}

CScreenCaptureManagerBase* CMainFrame::CurrentManager() const
{
    if (m_controller.GetCaptureType() == CT_SCREEN)
        return m_controller.GetScreenManager();
    return dynamic_cast<CScreenCaptureManagerBase*>(m_controller.GetMovieManager());
}

bool CMainFrame::IsPollingType() const
{
    int type = m_controller.GetCaptureType();
    return type == CT_SCREEN || (type == CT_MOVIE && m_controller.IsRecActive(CT_MOVIE));
}

bool CMainFrame::IsAnyCaptureInProgress() const
{
    CScreenCaptureManagerBase* screen = m_controller.GetScreenManager();
    auto* movie = dynamic_cast<CScreenCaptureManagerBase*>(m_controller.GetMovieManager());
    return (screen && screen->IsCaptureInProgress()) || (movie && movie->IsCaptureInProgress());
}

void CMainFrame::SwitchCaptureHooks()
{
    KillTimer(GetSafeHwnd(), kHoldTimerId);
    m_hooks.HkVellStopWatch();
    m_hooks.HkVellStopNotify();
    m_controller.StopAll();
    HookCBTKeyboard::UnInstallKeyboardProc();
    if (IsPollingType())
    {
        SetTimer(GetSafeHwnd(), kHoldTimerId, kPollPeriodMs, nullptr);
        m_hooks.HkVellStartWatch(this);
        m_hooks.HkVellStartNotify(this);
    }
    else if (m_controller.GetCaptureType() == CT_TRAINING)
    {
        HookCBTKeyboard::InstallGlobalKeyboardProc(GetSafeHwnd());
    }
}

// The hold time is always the screen settings' one, also for a movie.
void CMainFrame::OnHoldTimer()
{
    CScreenCaptureManager* screen = m_controller.GetScreenManager();
    if (!screen)
        return;
    bool busy = m_capturing || IsAnyCaptureInProgress();
    bool held = !busy && m_hooks.HkVellIsRightButtonHeld();
    if (m_hold.Tick(held, busy, screen->GetHoldTime()))
        BeginCapture();
}

void CMainFrame::SetRightButtonPoll(bool on)
{
    if (on && IsPollingType())
        SetTimer(GetSafeHwnd(), kHoldTimerId, kPollPeriodMs, nullptr);
    else
        KillTimer(GetSafeHwnd(), kHoldTimerId);
}

void CMainFrame::BeginCapture()
{
    CScreenCaptureManagerBase* manager = CurrentManager();
    m_hold.Reset();
    if (manager && manager->IsSelectionDone())
    {
        m_capturing = true;
        m_hooks.HkVellSetCapturing(true);
        manager->BeginSelection();
        SetRightButtonPoll(false);
        return;
    }
    SetRightButtonPoll(false);
    AppMessageBox(IDS_NO_SELECTION, MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
    SetRightButtonPoll(true);
}

void CMainFrame::OnCaptureFinished(DestinationResult result, bool repeat, bool endSelection, bool showTip,
                                   bool logFailure)
{
    CScreenCaptureManagerBase* manager = CurrentManager();
    if (endSelection)
    {
        if (manager)
            manager->EndSelection(repeat);
        m_hooks.HkVellSetCapturing(false);
        m_hooks.HkVellSetSelecting(false);
        m_capturing = false;
        m_hold.Reset();
        SetRightButtonPoll(true);
    }
    if (showTip)
        ShowResultTip(result);
    if (result == DR_DONE && m_controller.GetCaptureType() == CT_SCREEN && m_controller.GetScreenManager())
        m_lastSettings = *m_controller.GetScreenManager()->GetSettings();
    if (result == DR_FAILED && logFailure)
        LogCaptureFailure();
}

void CMainFrame::ShowResultTip(DestinationResult result)
{
    m_tip.reset(new CScTitleTip);
    if (!m_tip->Create(this))
        return;
    const int right = GetSystemMetrics(SM_CXSCREEN) - 3;
    const RECT place = {right - kTipWidth, 3, right, 25};
    m_tip->SetTextColour(result == DR_DONE ? kSucceededColour : kFailedColour);
    m_tip->Show(place, result == DR_DONE           ? L"Screen capture succeeded"
                       : result == DR_NOTHING_DONE ? L"  Screen capture cancelled"
                                                   : L"Screen capture failed");
}

void CMainFrame::LogCaptureFailure()
{
    CWaitCursor wait;
    CString errorText;
    if (CScreenCaptureManagerBase* manager = CurrentManager())
        manager->GetErrorText(errorText);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    CString text;
    text.Format(L"%02u/%02u/%04u %02u:%02u:%02u  Vellumor  %s  %s", now.wMonth, now.wDay, now.wYear, now.wHour,
                now.wMinute, now.wSecond, m_controller.GetCaptureType() == CT_SCREEN ? L"Screen" : L"Movie",
                errorText.GetString());
    CEventLog log;
    if (!log.Report(kEventSource, GetModulePath(), EVENTLOG_ERROR_TYPE, kFailureEventId, text))
        AppMessageBox(log.GetErrorText(), MB_OK | MB_ICONINFORMATION, GetSafeHwnd());
    if (m_controller.GetGlobalOptions().GetShowErrorLog())
        m_outputBar.AppendLine(errorText, static_cast<int>(m_controller.GetGlobalOptions().GetMaxLines()));
}

void CMainFrame::UpdateTimePage(int captureType, bool running)
{
    if (m_settingsView && m_settingsView->GetSafeHwnd())
        m_settingsView->UpdateTimePage(captureType, running);
}

void CMainFrame::ResetTimePage(int captureType)
{
    if (m_settingsView && m_settingsView->GetSafeHwnd())
        m_settingsView->ResetTimePage(captureType);
}

bool CMainFrame::ShowRecordType(EnumSendParam recordType, int page)
{
    if (!m_propertiesView || !m_propertiesView->GetSafeHwnd())
        return true;
    CTreeCtrlCaptureTypes& tree = m_captureTypesBar->GetTree();
    HTREEITEM item = tree.GetSafeHwnd() ? tree.FindItem(recordType) : nullptr;
    CString name = item ? tree.GetItemText(item) : CTreeCtrlCaptureTypes::KindName(recordType);
    if (!m_propertiesView->ShowRecordType(recordType, name, page, false))
        return false;
    m_settingsView->ShowRecordType(recordType, page, false);
    return true;
}

CScreenCaptureManagerBase* CMainFrame::GetScreenCaptureManager()
{
    return m_controller.GetScreenManager();
}

void CMainFrame::ShowActionMenu()
{
    CMenuActions(CMenuActions::kView, m_controller).Show(m_controller.GetCaptureType());
}

bool CMainFrame::SelectRecordType(EnumSendParam type)
{
    return m_captureTypesBar->SelectRecordType(type, -1, true, false);
}

// The live record of a destination is the screen manager's; the other records are
// written through to the registry whenever their pages apply, so the registry holds them.
bool CMainFrame::IsDisplayFlagOn(EnumSendParam type) const
{
    if (type >= SP_SC_FILE && type <= SP_SC_WEB)
    {
        CScreenCaptureManager* screen = m_controller.GetScreenManager();
        const SendParam* record = screen ? screen->GetRecord(type) : nullptr;
        return record && record->IsDisplayFlagOn();
    }
    std::unique_ptr<SendParam> record;
    switch (type)
    {
    case SP_CBT_RECORDING: record.reset(new InfoCBTRecording); break;
    case SP_CBT_PLAYING: record.reset(new InfoCBTPlaying); break;
    case SP_AUDIO_RECORDING: record.reset(new InfoAudioRecording); break;
    case SP_AUDIO_PLAYING: record.reset(new InfoAudioPlaying); break;
    case SP_VIDEO_RECORDING: record.reset(new InfoVideoRecording); break;
    case SP_VIDEO_PLAYING: record.reset(new InfoVideoPlaying); break;
    case SP_PRESENTATION_RECORDING: record.reset(new InfoPresentationRecording); break;
    case SP_PRESENTATION_PLAYING: record.reset(new InfoPresentationPlaying); break;
    default: return false;
    }
    return record->LoadFromRegistry() && record->IsDisplayFlagOn();
}
