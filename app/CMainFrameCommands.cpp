// CMainFrame's menu, toolbar and hot-key commands and their enabling.
#include "app/AppIds.h"
#include "app/AppSeams.h"
#include "app/CMainFrame.h"
#include "app/CVellumorApp.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CaptureType.h"
#include "capture/controller/CMenuActions.h"
#include "capture/movie/CPresentationManager.h"
#include "common/AppHelp.h"
#include "common/CRegistry.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "config/ConfigStrings.h"
#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"
#include "framework/CCmdUI.h"
#include "framework/CWaitCursor.h"

namespace
{
const wchar_t kConfigFilter[] = L"Vellumor Configuration Files (*.xml)|*.xml||";
const wchar_t kConfigExtension[] = L".xml";
const wchar_t kWizardKey[] = L"Software\\Talvono Software\\Talvono Vellumor\\WizSa";
const wchar_t kTasksManager[] = L"VellTaskMngr.exe";
// EM_GETLINE's buffer as Select All probes line 0 with it: nine characters announced.
const WORD kProbeLength = 9;

// Loading or saving failed: the reason when there is one, else the parse failure.
void ShowConfigurationFailure(const CString& error, HWND owner)
{
    if (error.IsEmpty())
        AppMessageBox(IDS_CONFIG_FILE_ERROR, MB_OK, owner);
    else
        AppMessageBox(error, MB_OK, owner);
}

bool HasSelection(HWND edit)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start < end;
}

bool FirstLineHoldsText(HWND edit)
{
    wchar_t buffer[kProbeLength + 1] = {};
    *reinterpret_cast<WORD*>(buffer) = kProbeLength;
    return SendMessageW(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)) > 0;
}

void SelectAll(HWND edit)
{
    SendMessageW(edit, EM_SETSEL, 0, SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
}
} // namespace

const CCommandMap* CMainFrame::GetCommandMap() const
{
    static const CCommandMap map =
        CCommandMapOf<CMainFrame>(BitmapMenu<CFrameWnd>::GetCommandMap())
            .On(ID_FILE_OPEN_CONFIG, &CMainFrame::OnOpenConfiguration)
            .On(ID_FILE_SAVE_CONFIG, &CMainFrame::OnSaveConfiguration)
            .On(ID_APP_EXIT, &CMainFrame::OnExit)
            .On(ID_FILE_PRINT, &CMainFrame::OnPrint)
            .OnUpdate(ID_FILE_PRINT, &CMainFrame::OnUpdatePrint)
            .OnRange(ID_EDIT_CLEAR_ALL, ID_EDIT_UNDO, &CMainFrame::OnEditCommand)
            .OnUpdateRange(ID_EDIT_CLEAR_ALL, ID_EDIT_UNDO, &CMainFrame::OnUpdateEditCommand)
            .OnRange(ID_VIEW_TOOLBAR_MISC, ID_VIEW_TOOLBAR_MISC, &CMainFrame::OnToggleBar)
            .OnRange(ID_VIEW_CAPTURE_TYPES, ID_VIEW_CAPTURE_TYPES, &CMainFrame::OnToggleBar)
            .OnRange(ID_VIEW_OUTPUT, ID_VIEW_OUTPUT, &CMainFrame::OnToggleBar)
            .OnUpdate(ID_VIEW_TOOLBAR_MISC, &CMainFrame::OnUpdateToggleBar)
            .OnUpdate(ID_VIEW_CAPTURE_TYPES, &CMainFrame::OnUpdateToggleBar)
            .OnUpdate(ID_VIEW_OUTPUT, &CMainFrame::OnUpdateToggleBar)
            .On(ID_VIEW_HIDE, &CMainFrame::OnHide)
            .On(ID_APP_OPEN, &CMainFrame::OnOpenWindow)
            .OnUpdate(ID_APP_OPEN, &CMainFrame::OnUpdateOpenWindow)
            .On(ID_CAPTURE_RECORD, &CMainFrame::OnRecord)
            .On(ID_HOTKEY_RECORD, &CMainFrame::OnRecord)
            .On(ID_CAPTURE_PLAY, &CMainFrame::OnPlay)
            .On(ID_HOTKEY_PLAY, &CMainFrame::OnPlay)
            .On(ID_CAPTURE_PAUSE, &CMainFrame::OnPauseResume)
            .On(ID_CAPTURE_RESUME, &CMainFrame::OnPauseResume)
            .On(ID_HOTKEY_PAUSE, &CMainFrame::OnPauseResume)
            .On(ID_HOTKEY_PAUSE2, &CMainFrame::OnPauseResume)
            .On(ID_HOTKEY_RESUME, &CMainFrame::OnPauseResume)
            .On(ID_HOTKEY_RESUME2, &CMainFrame::OnPauseResume)
            .On(ID_CAPTURE_STOP, &CMainFrame::OnStop)
            .On(ID_HOTKEY_STOP, &CMainFrame::OnStop)
            .On(ID_HOTKEY_STOP2, &CMainFrame::OnStop)
            .On(ID_CAPTURE_REPEAT_LAST, &CMainFrame::OnRepeatLast)
            .On(ID_HOTKEY_REPEAT_LAST, &CMainFrame::OnRepeatLast)
            .On(ID_CAPTURE_SHOW_LAST, &CMainFrame::OnShowLast)
            .OnUpdate(ID_CAPTURE_RECORD, &CMainFrame::OnUpdateAction)
            .OnUpdate(ID_CAPTURE_PLAY, &CMainFrame::OnUpdateAction)
            .OnUpdate(ID_CAPTURE_PAUSE, &CMainFrame::OnUpdateAction)
            .OnUpdate(ID_CAPTURE_RESUME, &CMainFrame::OnUpdateAction)
            .OnUpdate(ID_CAPTURE_STOP, &CMainFrame::OnUpdateAction)
            .OnUpdate(ID_CAPTURE_REPEAT_LAST, &CMainFrame::OnUpdateAction)
            .OnUpdate(ID_CAPTURE_SHOW_LAST, &CMainFrame::OnUpdateAction)
            .On(ID_HOTKEY_CAPTURE_FOREGROUND, &CMainFrame::OnCaptureForeground)
            .On(ID_HOTKEY_CAPTURE_DESKTOP, &CMainFrame::OnCaptureDesktop)
            .On(ID_TOOLS_ERRORS_LOG, &CMainFrame::OnErrorsLog)
            .On(ID_TOOLS_TASKS_MANAGER, &CMainFrame::OnTasksManager)
            .On(ID_TOOLS_FIND, &CMainFrame::OnFind)
            .On(ID_HELP_CONTENTS, &CMainFrame::OnHelpContents)
            .On(ID_HELP, &CMainFrame::OnHelpContents)
            .On(ID_NEXT_PANE, &CMainFrame::OnNextPane)
            .On(ID_PREV_PANE, &CMainFrame::OnNextPane);
    return &map;
}

void CMainFrame::OnOpenConfiguration()
{
    FileDialogRequest request;
    request.filter = kConfigFilter;
    request.flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    request.owner = GetSafeHwnd();
    FileDialogResult chosen = AppFileDialog(request);
    if (!chosen.chosen || chosen.paths.empty())
        return;
    m_captureTypesBar->SelectRecordType(SP_SCREEN_CAPTURE, 0, true, false);
    CWaitCursor wait;
    LoadConfiguration(chosen.paths.front());
}

bool CMainFrame::LoadConfiguration(const CString& path)
{
    std::unique_ptr<IConfigurationStore> store = AppCreateConfigurationStore();
    CString error;
    if (!store->Load(path, error))
    {
        ShowConfigurationFailure(error, GetSafeHwnd());
        return false;
    }
    m_captureTypesBar->Refresh();
    if (CVellumorApp* app = AppGetVellumorApp())
        app->AddToRecentFileList(path);
    return true;
}

// Only a saved file joins the recent list.
void CMainFrame::OnSaveConfiguration()
{
    std::unique_ptr<IConfigurationStore> store = AppCreateConfigurationStore();
    FileDialogRequest request;
    request.save = true;
    request.filter = kConfigFilter;
    request.flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    request.owner = GetSafeHwnd();
    FileDialogResult chosen = AppFileDialog(request);
    if (!chosen.chosen || chosen.paths.empty())
        return;
    CString path = chosen.paths.front();
    CString name;
    CString extension;
    CString folder;
    SplitPath(path, name, extension, folder);
    if (!extension.IsEmpty() && extension.CompareNoCase(kConfigExtension) != 0)
    {
        CString format;
        format.LoadString(IDS_INVALID_EXTENSION);
        CString text;
        text.Format(format, kConfigExtension);
        AppMessageBox(text, MB_OK, GetSafeHwnd());
        return;
    }
    if (extension.IsEmpty())
        path += kConfigExtension;
    CWaitCursor wait;
    CString error;
    if (!store->Save(path, error))
    {
        ShowConfigurationFailure(error, GetSafeHwnd());
        return;
    }
    if (CVellumorApp* app = AppGetVellumorApp())
        app->AddToRecentFileList(path);
}

// Closes as the window's close button does, so the bars' places are saved on the way.
void CMainFrame::OnExit()
{
    SendMessageW(GetSafeHwnd(), WM_CLOSE, 0, 0);
}

void CMainFrame::OnPrint()
{
    if (!m_outputBar.IsOutputWindow(GetFocus()))
        return;
    CEditViewOutput& view = m_outputBar.GetView();
    if (!view.Print(L"Vellumor Output") && !view.GetPrintFailure().IsEmpty())
        AppMessageBox(view.GetPrintFailure(), MB_OK | MB_ICONEXCLAMATION, GetSafeHwnd());
}

void CMainFrame::OnUpdatePrint(CCmdUI* item)
{
    item->Enable(m_outputBar.IsOutputWindow(GetFocus()));
}

HWND CMainFrame::FocusedEdit()
{
    HWND focus = GetFocus();
    wchar_t className[257] = {};
    if (!focus || !GetClassNameW(focus, className, 257))
        return nullptr;
    return CString(className).CompareNoCase(L"Edit") == 0 ? focus : nullptr;
}

void CMainFrame::OnEditCommand(UINT id)
{
    HWND edit = FocusedEdit();
    if (!edit)
        return;
    switch (id)
    {
    case ID_EDIT_UNDO: SendMessageW(edit, EM_UNDO, 0, 0); break;
    case ID_EDIT_CUT: SendMessageW(edit, WM_CUT, 0, 0); break;
    case ID_EDIT_COPY: SendMessageW(edit, WM_COPY, 0, 0); break;
    case ID_EDIT_PASTE: SendMessageW(edit, WM_PASTE, 0, 0); break;
    case ID_EDIT_SELECT_ALL: SelectAll(edit); break;
    case ID_EDIT_CLEAR_ALL:
        SelectAll(edit);
        SendMessageW(edit, WM_CLEAR, 0, 0);
        break;
    default: break;
    }
}

void CMainFrame::OnUpdateEditCommand(CCmdUI* item)
{
    HWND edit = FocusedEdit();
    bool output = m_outputBar.IsOutputWindow(edit);
    bool enable = false;
    if (edit)
    {
        switch (item->m_nID)
        {
        case ID_EDIT_UNDO: enable = !output && SendMessageW(edit, EM_CANUNDO, 0, 0); break;
        case ID_EDIT_CUT: enable = !output && HasSelection(edit); break;
        case ID_EDIT_COPY: enable = HasSelection(edit); break;
        case ID_EDIT_PASTE: enable = !output; break;
        case ID_EDIT_SELECT_ALL:
        case ID_EDIT_CLEAR_ALL: enable = FirstLineHoldsText(edit); break;
        default: break;
        }
    }
    item->Enable(enable);
}

CControlBar* CMainFrame::BarOfCommand(UINT id)
{
    switch (id)
    {
    case ID_VIEW_TOOLBAR_MISC: return &m_toolBarMisc;
    case ID_VIEW_CAPTURE_TYPES: return m_captureTypesBar.get();
    case ID_VIEW_OUTPUT: return &m_outputBar;
    default: return nullptr;
    }
}

void CMainFrame::OnToggleBar(UINT id)
{
    CControlBar* bar = BarOfCommand(id);
    if (bar && bar->GetSafeHwnd())
        ShowControlBar(bar, !bar->IsVisible(), false);
}

void CMainFrame::OnUpdateToggleBar(CCmdUI* item)
{
    CControlBar* bar = BarOfCommand(item->m_nID);
    item->SetCheck(bar && bar->GetSafeHwnd() && bar->IsVisible() ? 1 : 0);
}

void CMainFrame::OnHide()
{
    ShowWindow(GetSafeHwnd(), SW_HIDE);
}

void CMainFrame::OnOpenWindow()
{
    ShowWindow(GetSafeHwnd(), SW_SHOWNORMAL);
}

void CMainFrame::OnUpdateOpenWindow(CCmdUI* item)
{
    item->Enable(!IsWindowVisible(GetSafeHwnd()) || IsIconic(GetSafeHwnd()));
}

// A screen capture without a destination is told as a hold of the right button tells it.
void CMainFrame::OnRecord()
{
    CScreenCaptureManager* screen = m_controller.GetScreenManager();
    if (m_controller.GetCaptureType() == CT_SCREEN && screen && !screen->IsCapturing() &&
        !screen->IsCapturePaused() && !screen->IsSelectionDone())
    {
        BeginCapture();
        return;
    }
    m_controller.Record();
}

void CMainFrame::OnPlay()
{
    m_controller.Play();
}

void CMainFrame::OnPauseResume()
{
    m_controller.PauseResume();
}

void CMainFrame::OnStop()
{
    m_controller.Stop();
}

void CMainFrame::OnRepeatLast()
{
    if (CScreenCaptureManagerBase* manager = CurrentManager())
        manager->RepeatLastCapture();
}

void CMainFrame::OnShowLast()
{
    HBITMAP image = nullptr;
    if (m_controller.GetCaptureType() == CT_SCREEN)
    {
        if (CScreenCaptureManager* screen = m_controller.GetScreenManager())
            image = screen->GetLastImage(m_lastSettings);
    }
    else if (auto* movie = dynamic_cast<CPresentationManager*>(m_controller.GetMovieManager()))
    {
        image = movie->GetLastImage();
    }
    if (!image)
        return;
    m_dialogs->ShowLastCapture(image, GetSafeHwnd());
}

void CMainFrame::OnUpdateAction(CCmdUI* item)
{
    CMenuActions(CMenuActions::kView, m_controller).UpdateCommand(item);
}

void CMainFrame::OnCaptureForeground()
{
    if (CScreenCaptureManagerBase* manager = CurrentManager())
        manager->CaptureForegroundWindow();
}

void CMainFrame::OnCaptureDesktop()
{
    if (CScreenCaptureManagerBase* manager = CurrentManager())
        manager->CaptureDesktopWindow();
}

void CMainFrame::OnErrorsLog()
{
    m_dialogs->ShowErrorsLog(GetSafeHwnd());
}

// The tasks manager clears the wizard flag when it ends. A start that fails is told.
void CMainFrame::OnTasksManager()
{
    CString error;
    CRegistry wizard;
    if (wizard.Open(HKEY_LOCAL_MACHINE, kWizardKey, true, error))
        wizard.SetDWORD(L"VellWizSa", 0, error);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    const CString commandLine = L"\"" + GetModuleDirectory() + L"\\" + kTasksManager + L"\"";
    if (!LaunchApplication(&startup, commandLine, error))
        AppMessageBox(error, MB_OK | MB_ICONEXCLAMATION, GetSafeHwnd());
}

void CMainFrame::OnFind()
{
    m_dialogs->ShowFind(m_searchHost, GetSafeHwnd());
}

void CMainFrame::OnHelpContents()
{
    ShowHtmlHelp(0, 0, kHelpFile);
}

void CMainFrame::OnNextPane()
{
    if (m_splitter.GetSafeHwnd())
        m_splitter.ActivateNext();
}
