#pragma once
// CMainFrame: the main window of the program: menus and two toolbars, a status bar, the
// "Capture Types" and "Output" docking bars, and a splitter with the settings view above
// and the properties view below. It keeps a tray icon, is the owner of screen and movie
// captures (the right-button hold that begins a selection, the outcome of each capture:
// tip, event log, output line), hears the capture managers' messages for the controller,
// arms the training hot keys while training is the capture type, and keeps its placement
// and its bars' places in the profile. It hosts the property pages of its views.
//
// One instance runs per session: a second start brings this window forward and ends.
#include "app/CCtrlBarCaptureTypes.h"
#include "app/CCtrlBarOutput.h"
#include "app/CFormVwProperties.h"
#include "app/CFormVwSettings.h"
#include "app/CMainFrameSearchHost.h"
#include "app/CRightButtonHold.h"
#include "app/IConfigurationStore.h"
#include "app/IMainDialogs.h"
#include "Info/InfoScSettings.h"
#include "capture/controller/IControllerHost.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/selection/CHkVellLibrary.h"
#include "capture/selection/ICaptureOwner.h"
#include "common/CInstanceCop.h"
#include "framework/BitmapMenu.h"
#include "framework/CFrameWnd.h"
#include "framework/CSplitterWnd.h"
#include "framework/CStatusBar.h"
#include "framework/CToolBar.h"

#include <memory>

class CLocalController;
class CPersistWindowPlacement;
class CScTitleTip;
class CScreenCaptureManagerBase;

// The tray icon's callback message, and the messages the capture managers send.
const UINT WM_TRAY_NOTIFY = WM_USER + 100;
const UINT WM_CLOSE_VIDEO_RECORDER = WM_USER + 133;
const UINT WM_CLOSE_VIDEO_PLAYER = WM_USER + 134;

class CMainFrame : public BitmapMenu<CFrameWnd>,
                   public CInstanceCop,
                   public ICaptureOwner,
                   public IControllerHost,
                   public ICapturePageHost
{
public:
    static const UINT_PTR kHoldTimerId = 5903;
    // The profile section of the bars.
    static const wchar_t* const kBarSection;
    static const wchar_t* const kHelpFile;

    explicit CMainFrame(CLocalController& controller);
    ~CMainFrame() override;

    // Creates the window from resource 128 with the placement kept in the profile.
    bool LoadFrame();

    CFormVwSettings* GetSettingsView() { return m_settingsView.get(); }
    CFormVwProperties* GetPropertiesView() { return m_propertiesView.get(); }
    CCtrlBarOutput& GetOutputBar() { return m_outputBar; }
    CCtrlBarCaptureTypes& GetCaptureTypesBar() { return *m_captureTypesBar; }

    // Loads every settings record from the file and refreshes the tree; false (the
    // failure shown) when it could not be loaded.
    bool LoadConfiguration(const CString& path);
    // The output window's lines at most the options' maximum.
    void TrimOutput();

    // ICaptureOwner.
    void BeginCapture() override;
    void OnCaptureFinished(DestinationResult result, bool repeat, bool endSelection, bool showTip,
                           bool logFailure) override;
    void SetRightButtonPoll(bool on) override;
    CHkVellLibrary* GetHookLibrary() override { return &m_hooks; }
    HWND GetOwnerWindow() override { return GetSafeHwnd(); }

    // IControllerHost.
    void UpdateTimePage(int captureType, bool running) override;
    void ResetTimePage(int captureType) override;
    void SwitchCaptureHooks() override;
    bool ShowRecordType(EnumSendParam recordType, int page) override;

    // ICapturePageHost.
    CScreenCaptureManagerBase* GetScreenCaptureManager() override;
    void ShowActionMenu() override;
    bool SelectRecordType(EnumSendParam type) override;

protected:
    void PreCreateWindow(CREATESTRUCTW& cs) override;
    int OnCreate(CREATESTRUCTW& cs) override;
    void OnDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    const CCommandMap* GetCommandMap() const override;

private:
    // Creation steps.
    bool CreateToolBars();
    bool CreateStatusBar();
    void CreateSplitter();
    void CreateDockingBars();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void PrepareHooks();

    // Messages.
    bool OnEngineMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTrayNotify(LPARAM mouseMessage);
    void OnHoldTimer();
    void OnCaptureEnded(LPARAM repeat);
    void OnOutputText(const wchar_t* text);

    // The screen manager for type 1, else the movie manager; null when missing.
    CScreenCaptureManagerBase* CurrentManager() const;
    bool IsPollingType() const;
    bool IsAnyCaptureInProgress() const;
    void ShowResultTip(DestinationResult result);
    void LogCaptureFailure();
    bool IsDisplayFlagOn(EnumSendParam type) const;

    // Commands (CMainFrameCommands.cpp).
    void OnOpenConfiguration();
    void OnSaveConfiguration();
    void OnExit();
    void OnPrint();
    void OnUpdatePrint(CCmdUI* item);
    void OnEditCommand(UINT id);
    void OnUpdateEditCommand(CCmdUI* item);
    void OnToggleBar(UINT id);
    void OnUpdateToggleBar(CCmdUI* item);
    void OnHide();
    void OnOpenWindow();
    void OnUpdateOpenWindow(CCmdUI* item);
    void OnRecord();
    void OnPlay();
    void OnPauseResume();
    void OnStop();
    void OnRepeatLast();
    void OnShowLast();
    void OnUpdateAction(CCmdUI* item);
    void OnCaptureForeground();
    void OnCaptureDesktop();
    void OnErrorsLog();
    void OnTasksManager();
    void OnFind();
    void OnHelpContents();
    void OnNextPane();
    // The bar a View command shows or hides.
    CControlBar* BarOfCommand(UINT id);
    // The focused edit control (class "Edit"), or null.
    static HWND FocusedEdit();

    CLocalController& m_controller;
    CStatusBar m_statusBar;
    CToolBar m_toolBar;
    CToolBar m_toolBarMisc;
    std::unique_ptr<CCtrlBarCaptureTypes> m_captureTypesBar;
    CCtrlBarOutput m_outputBar;
    CSplitterWnd m_splitter;
    std::unique_ptr<CFormVwSettings> m_settingsView;
    std::unique_ptr<CFormVwProperties> m_propertiesView;
    HICON m_icon = nullptr;
    std::unique_ptr<CPersistWindowPlacement> m_placement;
    std::unique_ptr<CScTitleTip> m_tip;
    CMainFrameSearchHost m_searchHost;
    std::unique_ptr<IMainDialogs> m_dialogs;
    CHkVellLibrary m_hooks;
    HACCEL m_accelerators = nullptr;
    UINT m_idleHandler = 0;
    bool m_capturing = false;
    CRightButtonHold m_hold;
    InfoScSettings m_lastSettings;
};
