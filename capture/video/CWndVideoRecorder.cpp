#include "capture/video/CWndVideoRecorder.h"

#include "capture/video/CCrossbarRouter.h"
#include "capture/video/ISampleCaptureGraphBuilder.h"
#include "capture/video/StatusLine.h"
#include "capture/video/VideoPlayerIds.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"
#include "framework/CResourceException.h"
#include "framework/CWaitCursor.h"

#include <optional>

namespace
{
const wchar_t kBaseClassName[] = L"$ZVellumorVideoRecorderZ$";
const wchar_t kTitle[] = L"Vellumor Video Recorder";

// The menu's popups by position.
constexpr int kDevicesMenu = 1;

// A wait cursor for the scope, only when asked for.
class CWaitCursorIf
{
public:
    explicit CWaitCursorIf(bool show)
    {
        if (show)
            m_wait.emplace();
    }

private:
    std::optional<CWaitCursor> m_wait;
};

void EnableItem(HMENU menu, UINT id, bool enabled)
{
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void CheckItem(HMENU menu, UINT id, bool checked)
{
    CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
} // namespace

CWndVideoRecorder::CWndVideoRecorder(const InfoVideoRecording* recording, HWND owner, ICaptureDialogs* dialogs)
    : m_owner(owner), m_dialogs(dialogs)
{
    ResetState();
    if (!recording)
    {
        m_errorText = L"Vellumor's video recording object is null.";
        throw CResourceException();
    }
    m_recording = std::make_unique<InfoVideoRecording>(*recording);
    m_captureFile = m_recording->GetFullPathFileName();
    m_captureAudio = m_recording->RecAudio;
    m_frameRate = m_recording->RecFramesRate;
    m_useFrameRate = true;
    m_previewWanted = m_recording->RecPreview;
    m_className = GetUniqueWindowClassName(kBaseClassName);
    HICON icon = LoadIconW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDI_VELLUMOR));
    if (!AppRegisterNamedWndClass(m_className, CS_SAVEBITS, LoadCursorW(nullptr, IDC_ARROW),
                                  static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), icon))
    {
        m_errorText = L"Video recorder window cannot be registered.";
        throw CResourceException();
    }
}

// The owner deletes the object: the window's end is not the user's, and nobody is
// told of it.
CWndVideoRecorder::~CWndVideoRecorder()
{
    m_closing = true;
    {
        CWaitCursorIf wait(ShowsWaitCursor());
        ShutDown();
        ReleaseDeviceMonikers();
        FreeCaptureFilters();
    }
    DestroyWindow();
    AppUnregisterWndClass(m_className);
}

bool CWndVideoRecorder::Create()
{
    const RECT rect = {m_recording->RecWndLeft, m_recording->RecWndTop,
                       m_recording->RecWndLeft + m_recording->RecWndWidth,
                       m_recording->RecWndTop + m_recording->RecWndHeight};
    if (!CreateEx(0, m_className, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, m_owner, 0))
    {
        m_errorText = L"Failure creating the video recorder window.";
        return false;
    }
    SetMenu(*this, LoadMenuW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDR_VIDEO_RECORDER_MENU)));
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    {
        m_errorText = L"Failure initializing COM.";
        return false;
    }
    if (ShowsWaitCursor())
    {
        CWaitCursor wait;
        CreateStatusLine();
        ShowWindow(*this, SW_SHOWNORMAL);
        UpdateWindow(*this);
        SetForegroundWindow(*this);
    }
    RefreshDeviceMenu(true);
    ChooseConfiguredDevices();
    RegisterDeviceNotifications();
    UpdateTitle();
    return true;
}

bool CWndVideoRecorder::CreateStatusLine()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!StatusInit(instance, false))
        return false;
    m_statusLine = CreateWindowExW(0, L"VellumorStatusClass", L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER,
                                   0, 0, 0, 0, *this, nullptr, instance, nullptr);
    LayoutChildren();
    return m_statusLine != nullptr;
}

bool CWndVideoRecorder::StartCapture()
{
    m_errorText.Empty();
    // A paused capture keeps its graph: Start refuses it (Resume goes on with it).
    if (m_capturing)
    {
        if (m_paused)
            m_errorText = L"The video capture is paused: resume it instead of starting it again.";
        UpdateTitle();
        return IsCapturing();
    }
    {
        CWaitCursorIf wait(ShowsWaitCursor());
        if (InitCaptureFilters())
            RunCaptureGraph();
    }
    if (m_capturing)
        Notify(WM_MANAGER_STARTED);
    if (m_firstStartResize)
    {
        ResizeToVideo(m_recording->RecWndWidth, m_recording->RecWndHeight);
        m_firstStartResize = false;
    }
    UpdateTitle();
    return IsCapturing();
}

bool CWndVideoRecorder::StopCapture()
{
    m_errorText.Empty();
    if (m_capturing)
    {
        bool stopped;
        {
            CWaitCursorIf wait(ShowsWaitCursor());
            stopped = StopCaptureGraph();
        }
        if (stopped)
            Notify(WM_MANAGER_STOPPED);
    }
    if (m_previewWanted && !m_capturing && !m_shutDown)
    {
        CWaitCursor wait;
        if (BuildPreviewGraph())
            StartPreview();
    }
    UpdateTitle();
    return !m_capturing;
}

bool CWndVideoRecorder::PauseCapture()
{
    m_errorText.Empty();
    if (m_capturing && !m_paused && PauseGraph(true))
        Notify(WM_MANAGER_PAUSED);
    UpdateTitle();
    return IsCapturePaused();
}

bool CWndVideoRecorder::ResumeCapture()
{
    m_errorText.Empty();
    if (m_capturing && m_paused && PauseGraph(false))
        Notify(WM_MANAGER_RESUMED);
    UpdateTitle();
    return IsCapturing();
}

void CWndVideoRecorder::Notify(UINT message)
{
    if (m_owner && m_notifyOwner)
        SendMessageW(m_owner, message, 0, 0);
}

void CWndVideoRecorder::Report(const CString& text)
{
    m_errorText = text;
    if (m_owner)
        AppMessageBox(text, MB_OK | MB_ICONEXCLAMATION, GetSafeHwnd());
}

void CWndVideoRecorder::ReportHr(const wchar_t* format, HRESULT hr, bool show)
{
    CString text;
    text.Format(format, GetHResultText(hr).GetString());
    if (show)
        Report(text);
    else
        m_errorText = text;
}

void CWndVideoRecorder::SetStatusText(const CString& text)
{
    if (m_statusLine)
        StatusSetText(m_statusLine, text);
}

void CWndVideoRecorder::UpdateTitle()
{
    if (!GetSafeHwnd())
        return;
    CString title = kTitle;
    if (!m_captureFile.IsEmpty())
    {
        CString name, extension, folder;
        SplitPath(m_captureFile, name, extension, folder);
        title += L" - " + name + extension;
    }
    SetWindowTextW(*this, title);
}

void CWndVideoRecorder::LayoutChildren()
{
    RECT client;
    GetClientRect(*this, &client);
    const int height = StatusGetHeight();
    const int bx = GetSystemMetrics(SM_CXBORDER);
    const int by = GetSystemMetrics(SM_CYBORDER);
    if (m_statusLine)
        MoveWindow(m_statusLine, -bx, client.bottom - (height + by), client.right + 2 * bx, height + 2 * by, TRUE);
    if (m_videoWindow)
        m_videoWindow->SetWindowPosition(0, 0, client.right, client.bottom - (height + by));
}

void CWndVideoRecorder::ResizeToVideo(int width, int height)
{
    if (!GetSafeHwnd())
        return;
    ++m_resizeDepth;
    RECT window, client;
    GetWindowRect(*this, &window);
    GetClientRect(*this, &client);
    const int oldWidth = window.right - window.left;
    const int oldHeight = window.bottom - window.top;
    const int newWidth = oldWidth - client.right + width;
    const int newHeight = oldHeight - client.bottom + StatusGetHeight() + GetSystemMetrics(SM_CYBORDER) + height;
    SetWindowPos(*this, nullptr, 0, 0, newWidth, newHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The menu bar may wrap differently at the new width: measure once more.
    const bool widthChanged = newWidth != oldWidth && width > GetSystemMetrics(SM_CXMIN);
    if (m_resizeDepth == 1 && (widthChanged || newHeight != oldHeight))
        ResizeToVideo(width, height);
    --m_resizeDepth;
}

HMENU CWndVideoRecorder::Submenu(int position) const
{
    return GetSubMenu(GetMenu(GetSafeHwnd()), position);
}

void CWndVideoRecorder::UpdateMenus(HMENU menu)
{
    const bool capturing = m_capturing;
    EnableItem(menu, ID_RECORDER_START, !capturing);
    EnableItem(menu, ID_RECORDER_STOP, capturing);
    EnableItem(menu, ID_RECORDER_PAUSE, capturing && !m_paused);
    EnableItem(menu, ID_RECORDER_RESUME, capturing && m_paused);
    for (UINT id = ID_RECORDER_DIALOG_FIRST; id <= ID_RECORDER_DIALOG_LAST; ++id)
        EnableItem(menu, id, !capturing);
    EnableItem(menu, ID_RECORDER_CAPTURE_AUDIO, !capturing && m_audioCapture);
    CheckItem(menu, ID_RECORDER_CAPTURE_AUDIO, m_captureAudio);
    EnableItem(menu, ID_RECORDER_CLOSED_CAPTIONING, m_closedCaptionsAvailable);
    CheckItem(menu, ID_RECORDER_CLOSED_CAPTIONING, m_captureClosedCaptions);
    EnableItem(menu, ID_RECORDER_AUDIO_FORMAT, m_captureAudio && !capturing);
    EnableItem(menu, ID_RECORDER_FRAME_RATE, !capturing && m_audioRelevant);
    EnableItem(menu, ID_RECORDER_SET_CAPTURE_FILE, !capturing);
    EnableItem(menu, ID_RECORDER_PREVIEW, !capturing);
    CheckItem(menu, ID_RECORDER_PREVIEW, m_previewWanted);
    EnableItem(menu, ID_RECORDER_MPEG2, !capturing);
    CheckItem(menu, ID_RECORDER_MPEG2, m_mpeg2);
    const UINT masters[] = {ID_RECORDER_MASTER_NONE, ID_RECORDER_MASTER_AUDIO, ID_RECORDER_MASTER_VIDEO};
    const int masterValues[] = {-1, 1, 0};
    for (int i = 0; i < 3; ++i)
    {
        EnableItem(menu, masters[i], !capturing && m_captureAudio);
        CheckItem(menu, masters[i], m_masterStream == masterValues[i]);
    }
    for (UINT id = ID_RECORDER_VIDEO_DEVICE_FIRST; id < ID_RECORDER_AUDIO_DEVICE_FIRST + kRecorderDeviceSlots; ++id)
        EnableItem(menu, id, !capturing);
}

void CWndVideoRecorder::OnCommand(UINT id)
{
    if (id >= ID_RECORDER_VIDEO_DEVICE_FIRST && id < ID_RECORDER_VIDEO_DEVICE_FIRST + kRecorderDeviceSlots)
    {
        ChooseDevices(m_videoDevices[id - ID_RECORDER_VIDEO_DEVICE_FIRST], m_currentAudio);
        if (m_previewWanted && BuildPreviewGraph())
            StartPreview();
        return;
    }
    if (id >= ID_RECORDER_AUDIO_DEVICE_FIRST && id < ID_RECORDER_AUDIO_DEVICE_FIRST + kRecorderDeviceSlots)
        return ChooseDevices(m_currentVideo, m_audioDevices[id - ID_RECORDER_AUDIO_DEVICE_FIRST]);
    if (id >= ID_RECORDER_DIALOG_FIRST && id <= ID_RECORDER_DIALOG_LAST)
        return OnPropertiesCommand(id);
    switch (id)
    {
    case ID_RECORDER_SET_CAPTURE_FILE:
        return SetCaptureFile();
    case ID_RECORDER_START:
        StartCapture();
        return;
    case ID_RECORDER_STOP:
        StopCapture();
        return;
    case ID_RECORDER_PAUSE:
        PauseCapture();
        return;
    case ID_RECORDER_RESUME:
        ResumeCapture();
        return;
    case ID_RECORDER_PREVIEW:
        return TogglePreview();
    case ID_RECORDER_MPEG2:
        return ToggleOption(m_mpeg2);
    case ID_RECORDER_CAPTURE_AUDIO:
        return ToggleOption(m_captureAudio);
    case ID_RECORDER_CLOSED_CAPTIONING:
        return ToggleOption(m_captureClosedCaptions);
    case ID_RECORDER_MASTER_NONE:
        return SetMasterStream(-1);
    case ID_RECORDER_MASTER_AUDIO:
        return SetMasterStream(1);
    case ID_RECORDER_MASTER_VIDEO:
        return SetMasterStream(0);
    case ID_RECORDER_AUDIO_FORMAT:
        return ChooseAudioFormat();
    case ID_RECORDER_FRAME_RATE:
        // The job build has no dialogs, and so no frame-rate command.
        if (m_dialogs)
            ChooseFrameRate();
        return;
    }
}

LRESULT CWndVideoRecorder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_DESTROY:
        ShutDown();
        ReleaseDeviceMonikers();
        break;
    case WM_SIZE:
        LayoutChildren();
        break;
    case WM_ENDSESSION:
        if (wParam || static_cast<LONG>(lParam) < 0)
            ShutDown();
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && m_capturing)
            StopCapture();
        break;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        break;
    case WM_INITMENU:
        UpdateMenus(reinterpret_cast<HMENU>(wParam));
        break;
    case WM_INITMENUPOPUP:
        if (reinterpret_cast<HMENU>(wParam) == Submenu(kDevicesMenu))
            RefreshDeviceMenu(false);
        break;
    case WM_DEVICECHANGE:
        OnDeviceChange(wParam, lParam);
        break;
    case WM_TIMER:
        if (wParam == 1 && m_capturing && !m_paused)
            UpdateStatistics(false);
        break;
    case WM_RECORDER_GRAPH_EVENT:
        OnGraphNotify();
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
