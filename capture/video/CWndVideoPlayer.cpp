#include "capture/video/CWndVideoPlayer.h"

#include "capture/video/VideoPlayerIds.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"
#include "framework/CResourceException.h"
#include "framework/CWaitCursor.h"

#include <commdlg.h>
#include <evcode.h>
#include <iterator>
#include <vector>

namespace
{
const wchar_t kBaseClassName[] = L"$ZVellumorVideoPlayerZ$";
const wchar_t kTitle[] = L"Vellumor Video Player";
const wchar_t kRunFailed[] = L"Cannot run the video file '%s'. Error: %s";
const wchar_t kVideoFilter[] = L"Video Files (*.avi; *.mov; *.mpg; *.mpeg; *.m1v)|*.avi; *.mov; *.mpg; *.mpeg; *.m1v||";
const long kMutedVolume = -10000;

// The video window's message drain before full screen was entered, for every player.
HWND g_previousDrain = nullptr;

struct SizeItem
{
    UINT id;
    WPARAM key;
    int multiplier;
    int divider;
};
const SizeItem kSizeItems[] = {
    {ID_PLAYER_SIZE_SELECTED, 'L', 0, 0}, {ID_PLAYER_SIZE_HALF, 'H', 1, 2},   {ID_PLAYER_SIZE_THREE_QUARTER, 'T', 3, 4},
    {ID_PLAYER_SIZE_NORMAL, 'N', 1, 1},   {ID_PLAYER_SIZE_DOUBLE, 'D', 2, 1},
};

// Keys that stand for a menu command.
const struct
{
    WPARAM key;
    UINT id;
} kCommandKeys[] = {
    {VK_RETURN, ID_PLAYER_FULL_SCREEN},
    {'F', ID_PLAYER_FULL_SCREEN},
    {VK_LEFT, ID_PLAYER_RATE_DECREASE},
    {VK_RIGHT, ID_PLAYER_RATE_INCREASE},
    {VK_DOWN, ID_PLAYER_RATE_NORMAL},
    {'A', ID_PLAYER_PAUSE},
    {'U', ID_PLAYER_RESUME},
    {'P', ID_PLAYER_PLAY},
    {'S', ID_PLAYER_STOP},
    {'M', ID_PLAYER_MUTE},
    {'Q', ID_PLAYER_CLOSE},
    {'X', ID_PLAYER_CLOSE},
    {VK_F12, ID_PLAYER_CLOSE},
};

// Every item the menu refresh enables before it greys those of the state.
const UINT kMenuItems[] = {
    ID_PLAYER_OPEN,
    ID_PLAYER_CLOSE,
    ID_PLAYER_SIZE_SELECTED,
    ID_PLAYER_SIZE_HALF,
    ID_PLAYER_SIZE_THREE_QUARTER,
    ID_PLAYER_SIZE_NORMAL,
    ID_PLAYER_SIZE_DOUBLE,
    ID_PLAYER_FULL_SCREEN,
    ID_PLAYER_PLAY,
    ID_PLAYER_PAUSE,
    ID_PLAYER_RESUME,
    ID_PLAYER_STOP,
    ID_PLAYER_MUTE,
    ID_PLAYER_RATE_INCREASE,
    ID_PLAYER_RATE_DECREASE,
    ID_PLAYER_RATE_NORMAL,
    ID_PLAYER_RATE_HALF,
    ID_PLAYER_RATE_DOUBLE,
    ID_PLAYER_FRAME_STEP,
};
const UINT kRateItems[] = {ID_PLAYER_RATE_INCREASE, ID_PLAYER_RATE_DECREASE, ID_PLAYER_RATE_NORMAL,
                           ID_PLAYER_RATE_HALF,     ID_PLAYER_RATE_DOUBLE,   ID_PLAYER_FRAME_STEP};

bool IsWindowsMediaFile(const CString& path)
{
    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    for (const wchar_t* refused : {L".asf", L".wma", L".wmv"})
        if (extension.CompareNoCase(refused) == 0)
            return true;
    return false;
}
} // namespace

CWndVideoPlayer::CWndVideoPlayer(const InfoVideoPlaying* playing, HWND owner) : m_owner(owner)
{
    if (!playing)
        throw CResourceException();
    m_playing = std::make_unique<InfoVideoPlaying>(*playing);
    m_currentWidth = m_playing->PlayWndWidth;
    m_currentHeight = m_playing->PlayWndHeight;
    m_state = kStopped;
    m_className = GetUniqueWindowClassName(kBaseClassName);
    HICON icon = LoadIconW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDI_VELLUMOR));
    if (!AppRegisterNamedWndClass(m_className, CS_SAVEBITS, LoadCursorW(nullptr, IDC_ARROW),
                                  static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), icon))
        throw CResourceException();
}

CWndVideoPlayer::~CWndVideoPlayer()
{
    m_ownerDeletes = true;
    if (m_graph.HasControl())
        m_graph.Stop();
    m_graph.Release();
    DestroyWindow();
    AppUnregisterWndClass(m_className);
}

bool CWndVideoPlayer::Create()
{
    const RECT rect = {m_playing->PlayWndLeft, m_playing->PlayWndTop, m_playing->PlayWndLeft + m_playing->PlayWndWidth,
                       m_playing->PlayWndTop + m_playing->PlayWndHeight};
    if (!CreateEx(0, m_className, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, m_owner, 0))
    {
        m_errorText = L"Failure creating the video player window.";
        return false;
    }
    SetMenu(*this, LoadMenuW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDR_VIDEO_PLAYER_MENU)));
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
    {
        m_errorText = L"Failure initializing COM.";
        return false;
    }
    ShowWindow(*this, SW_SHOWNORMAL);
    UpdateWindow(*this);
    SetForegroundWindow(*this);
    return true;
}

bool CWndVideoPlayer::Play()
{
    m_errorText.Empty();
    CWaitCursor wait;
    if (m_state == kStopped || m_state == kPaused)
    {
        HRESULT hr = BuildGraph();
        if (FAILED(hr))
            m_errorText.Format(L"Failure creating the video interfaces. Error: %s", GetHResultText(hr).GetString());
        else if (SUCCEEDED(ApplyMute()))
        {
            hr = m_graph.Run();
            if (SUCCEEDED(hr))
            {
                m_state = kRunning;
                SetFocus(*this);
                Notify(WM_PLAYER_STARTED);
            }
            else
                m_errorText.Format(kRunFailed, m_playing->PlayFName.GetString(), GetHResultText(hr).GetString());
        }
    }
    RefreshTitle();
    RefreshMenu();
    return m_state == kRunning;
}

bool CWndVideoPlayer::Transition(bool allowed, HRESULT (CVideoPlayerGraph::*call)(), State to, UINT notification,
                                 const wchar_t* errorFormat)
{
    m_errorText.Empty();
    if (allowed && m_graph.HasControl())
    {
        const HRESULT hr = (m_graph.*call)();
        if (SUCCEEDED(hr))
        {
            m_state = to;
            Notify(notification);
        }
        else
            m_errorText.Format(errorFormat, m_playing->PlayFName.GetString(), GetHResultText(hr).GetString());
    }
    if (GetSafeHwnd())
    {
        RefreshTitle();
        RefreshMenu();
    }
    return m_state == to;
}

bool CWndVideoPlayer::Stop()
{
    return Transition(m_state != kStopped, &CVideoPlayerGraph::Stop, kStopped, WM_PLAYER_STOPPED,
                      L"Cannot stop the video file '%s'. Error: %s");
}

bool CWndVideoPlayer::Pause()
{
    return Transition(m_state == kRunning, &CVideoPlayerGraph::Pause, kPaused, WM_PLAYER_PAUSED,
                      L"Cannot pause the video file '%s'. Error: %s");
}

bool CWndVideoPlayer::Resume()
{
    return Transition(m_state == kPaused, &CVideoPlayerGraph::Run, kRunning, WM_PLAYER_RESUMED, kRunFailed);
}

HRESULT CWndVideoPlayer::BuildGraph()
{
    HRESULT hr = m_graph.Build(m_playing->PlayFName, *this, [this](HRESULT failure) { WarnFailure(failure); });
    if (FAILED(hr))
        return hr;
    long width = 0;
    long height = 0;
    if (SUCCEEDED(m_graph.GetVideoSize(width, height)))
    {
        m_nativeWidth = width;
        m_nativeHeight = height;
        if (m_playing->PlayWndWidth == 0 && m_playing->PlayWndHeight == 0)
        {
            m_currentWidth = m_playing->PlayWndWidth = width;
            m_currentHeight = m_playing->PlayWndHeight = height;
        }
    }
    hr = ApplySize(-1, -1);
    if (FAILED(hr))
    {
        WarnFailure(hr);
        return hr;
    }
    CheckSizeItem(ID_PLAYER_SIZE_SELECTED);
    return S_OK;
}

HRESULT CWndVideoPlayer::ApplySize(int multiplier, int divider)
{
    if (!m_graph.HasBasicVideo())
        return S_OK;
    long width = 0;
    long height = 0;
    const HRESULT hr = m_graph.GetVideoSize(width, height);
    if (FAILED(hr))
        return hr;
    RefreshMenu();
    if (multiplier == 0 || divider == 0)
    {
        m_currentWidth = m_playing->PlayWndWidth;
        m_currentHeight = m_playing->PlayWndHeight;
    }
    else if (multiplier == 1 && divider == 1)
    {
        m_currentWidth = m_nativeWidth;
        m_currentHeight = m_nativeHeight;
    }
    else if (multiplier != -1 && divider != -1)
    {
        m_currentWidth = width * multiplier / divider;
        m_currentHeight = height * multiplier / divider;
    }
    const int frameWidth = 2 * (GetSystemMetrics(SM_CXEDGE) + GetSystemMetrics(SM_CXFIXEDFRAME));
    const int frameHeight = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) +
                            2 * (GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYFIXEDFRAME));
    SetWindowPos(*this, nullptr, 0, 0, m_currentWidth + frameWidth, m_currentHeight + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    PlaceVideo();
    for (const SizeItem& item : kSizeItems)
        if (item.multiplier == multiplier && item.divider == divider)
            CheckSizeItem(item.id);
    return S_OK;
}

void CWndVideoPlayer::CheckSizeItem(UINT id)
{
    for (const SizeItem& item : kSizeItems)
        CheckMenuItem(GetMenu(*this), item.id, MF_BYCOMMAND | (item.id == id ? MF_CHECKED : MF_UNCHECKED));
}

void CWndVideoPlayer::PlaceVideo()
{
    if (!m_graph.HasVideoWindow())
        return;
    RECT client = {};
    GetClientRect(*this, &client);
    const HRESULT hr = m_graph.SetVideoPosition(client);
    if (FAILED(hr))
        WarnFailure(hr);
}

HRESULT CWndVideoPlayer::ApplyMute()
{
    if (!m_graph.IsBuilt() || !m_graph.HasBasicAudio())
        return S_OK;
    long volume = 0;
    HRESULT hr = m_graph.GetVolume(volume);
    // No audio renderer in the graph: nothing to mute.
    if (hr == E_NOTIMPL)
        return S_OK;
    if (FAILED(hr))
    {
        m_errorText = L"Failed to read audio volume. Error: " + GetHResultText(hr);
        return hr;
    }
    hr = m_graph.PutVolume(m_playing->PlayAudio ? 0 : kMutedVolume);
    if (FAILED(hr))
    {
        WarnFailure(hr);
        return hr;
    }
    CheckMenuItem(GetMenu(*this), ID_PLAYER_MUTE, MF_BYCOMMAND | (m_playing->PlayAudio ? MF_UNCHECKED : MF_CHECKED));
    RefreshTitle();
    return S_OK;
}

void CWndVideoPlayer::ToggleMute()
{
    m_playing->PlayAudio = !m_playing->PlayAudio;
    ApplyMute();
}

void CWndVideoPlayer::ToggleFullScreen()
{
    bool on = false;
    HRESULT hr = m_graph.GetFullScreen(on);
    if (SUCCEEDED(hr))
        hr = on ? m_graph.LeaveFullScreen(g_previousDrain) : m_graph.EnterFullScreen(*this, g_previousDrain);
    if (FAILED(hr))
        return WarnFailure(hr);
    if (on)
    {
        UpdateWindow(*this);
        SetForegroundWindow(*this);
        SetFocus(*this);
    }
    m_fullScreen = !on;
}

void CWndVideoPlayer::ChangeRate(double delta)
{
    double rate = 0;
    if (m_graph.HasPosition() && m_graph.GetRate(rate) == S_OK)
        SetRate(rate + delta);
}

void CWndVideoPlayer::SetRate(double rate)
{
    if (m_graph.HasPosition() && SUCCEEDED(m_graph.PutRate(rate)))
    {
        m_rate = rate;
        RefreshTitle();
    }
}

void CWndVideoPlayer::StepFrames(DWORD frames)
{
    if (!m_graph.CanStepFrames() || (frames > 1 && m_graph.CanStep(frames) != S_OK))
        return;
    if (m_state != kPaused)
        Pause();
    m_graph.Step(frames);
}

void CWndVideoPlayer::StepBack()
{
    if (!m_graph.CanStepFrames())
        return;
    if (m_state != kPaused)
        Pause();
    m_graph.StepBack();
}

void CWndVideoPlayer::CloseFile()
{
    m_graph.Stop();
    m_fullScreen = false;
    m_graph.Release();
    m_state = kNoFile;
    InvalidateRect(*this, nullptr, TRUE);
    SetWindowPos(*this, nullptr, 0, 0, m_playing->PlayWndWidth, m_playing->PlayWndHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    RefreshTitle();
    RefreshMenu();
    Notify(WM_PLAYER_STOPPED);
}

void CWndVideoPlayer::OpenFile()
{
    if (m_state != kNoFile)
        CloseFile();
    FileDialogRequest request;
    request.initialPath = m_playing->PlayFName;
    request.filter = kVideoFilter;
    request.flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    request.owner = *this;
    const FileDialogResult chosen = AppFileDialog(request);
    if (!chosen.chosen || chosen.paths.empty())
    {
        if (chosen.error != 0)
            Warn(L"Failure selecting the video file. System error: " + GetSystemErrorText(chosen.error));
        return;
    }
    const CString path = chosen.paths.front();
    if (!AcceptFile(path))
        return;
    if (m_notifyOwner && path.CompareNoCase(m_playing->PlayFName) != 0)
    {
        // The owner's playing is over: the user plays a file of their own now.
        m_notifyOwner = false;
        if (m_owner)
            SendMessageW(m_owner, WM_PLAYER_OTHER_FILE, 0, 0);
    }
    m_playing->PlayFName = path;
    m_state = kStopped;
    m_fullScreen = false;
    RefreshTitle();
    CheckSizeItem(ID_PLAYER_SIZE_NORMAL);
    SetForegroundWindow(*this);
    if (!Play())
    {
        Warn(m_errorText);
        CloseFile();
    }
}

bool CWndVideoPlayer::AcceptFile(const CString& path)
{
    if (path.Find(L".asx") >= 0)
    {
        Warn(L"ASX Playlists are not supported by this application.Please select a valid media file.");
        return false;
    }
    if (IsWindowsMediaFile(path))
    {
        Warn(L"Windows Media files (ASF, WMV, WMA) are not supported by this application.Please select a valid "
             L"media file.");
        return false;
    }
    return true;
}

void CWndVideoPlayer::OnGraphEvent()
{
    if (!m_graph.HasEvents())
        return;
    long code = 0;
    while (m_graph.NextEvent(code))
    {
        if (code != EC_COMPLETE)
            continue;
        m_graph.Rewind();
        if (m_playing->PlayRepeat == 0)
            return EndPlaying();
        --m_playing->PlayRepeat;
        const HRESULT hr = m_graph.Run();
        if (FAILED(hr))
        {
            EndPlaying();
            m_errorText.Format(kRunFailed, m_playing->PlayFName.GetString(), GetHResultText(hr).GetString());
            return;
        }
    }
    RefreshMenu();
}

void CWndVideoPlayer::EndPlaying()
{
    Stop();
    if (!m_owner)
        PostQuitMessage(0);
    RefreshMenu();
}

void CWndVideoPlayer::OnDestroy()
{
    // An owner deleting the object knows; only the user's closing is reported.
    if (m_ownerDeletes)
        return;
    Stop();
    m_graph.Release();
    if (m_owner)
        PostMessageW(m_owner, WM_PLAYER_CLOSED, 0, 0);
    else
        PostQuitMessage(0);
}

void CWndVideoPlayer::OnKeyDown(WPARAM key)
{
    // Lower-case letter codes act as the upper-case ones.
    if (key >= 'a' && key <= 'z')
        key -= 'a' - 'A';
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (key == VK_ESCAPE)
        return m_fullScreen ? ToggleFullScreen() : CloseFile();
    if (key == VK_SPACE || key == '1')
        return control ? StepBack() : StepFrames(1);
    if (key >= '2' && key <= '9')
        return StepFrames(static_cast<DWORD>(key - '0'));
    for (const SizeItem& item : kSizeItems)
        if (item.key == key)
            return OnCommand(item.id);
    for (const auto& command : kCommandKeys)
        if (command.key == key)
            return OnCommand(command.id);
}

void CWndVideoPlayer::OnCommand(WPARAM id)
{
    for (const SizeItem& item : kSizeItems)
        if (item.id == id)
        {
            ApplySize(item.multiplier, item.divider);
            return;
        }
    switch (id)
    {
    case ID_PLAYER_OPEN:
        return OpenFile();
    case ID_PLAYER_CLOSE:
        return CloseFile();
    case ID_PLAYER_FULL_SCREEN:
        return ToggleFullScreen();
    case ID_PLAYER_PLAY:
        Play();
        return;
    case ID_PLAYER_PAUSE:
        Pause();
        return;
    case ID_PLAYER_RESUME:
        Resume();
        return;
    case ID_PLAYER_STOP:
        Stop();
        return;
    case ID_PLAYER_MUTE:
        return ToggleMute();
    case ID_PLAYER_RATE_INCREASE:
        return ChangeRate(0.25);
    case ID_PLAYER_RATE_DECREASE:
        return ChangeRate(-0.25);
    case ID_PLAYER_RATE_NORMAL:
        return SetRate(1.0);
    case ID_PLAYER_RATE_HALF:
        return SetRate(0.5);
    case ID_PLAYER_RATE_DOUBLE:
        return SetRate(2.0);
    case ID_PLAYER_FRAME_STEP:
        return StepFrames(1);
    case ID_PLAYER_FRAME_BACK_STEP:
        return StepBack();
    default:
        return;
    }
}

void CWndVideoPlayer::RefreshTitle()
{
    if (m_state == kNoFile)
    {
        SetWindowTextW(*this, kTitle);
        return;
    }
    CString name, extension, folder;
    SplitPath(m_playing->PlayFName, name, extension, folder);
    CString title;
    title.Format(L"%s - %s %s%s(Rate: %2.2f)", kTitle, (name + extension).GetString(),
                 m_playing->PlayAudio ? L"" : L"(Muted)", m_state == kPaused ? L"(Paused)" : L"", m_rate);
    SetWindowTextW(*this, title);
}

void CWndVideoPlayer::RefreshMenu()
{
    HMENU menu = GetMenu(*this);
    for (UINT id : kMenuItems)
        EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
    std::vector<UINT> grey;
    switch (m_state)
    {
    case kNoFile:
        grey = {ID_PLAYER_CLOSE, ID_PLAYER_PAUSE, ID_PLAYER_RESUME, ID_PLAYER_STOP, ID_PLAYER_MUTE};
        grey.insert(grey.end(), std::begin(kRateItems), std::end(kRateItems));
        for (const SizeItem& item : kSizeItems)
            grey.push_back(item.id);
        break;
    case kRunning:
        grey = {ID_PLAYER_PLAY, ID_PLAYER_RESUME};
        break;
    case kPaused:
        grey = {ID_PLAYER_PLAY, ID_PLAYER_PAUSE};
        break;
    case kStopped:
        grey = {ID_PLAYER_PAUSE, ID_PLAYER_RESUME, ID_PLAYER_STOP};
        grey.insert(grey.end(), std::begin(kRateItems), std::end(kRateItems));
        break;
    }
    for (UINT id : grey)
        EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
}

void CWndVideoPlayer::Notify(UINT message)
{
    if (m_owner && m_notifyOwner)
        SendMessageW(m_owner, message, 0, 0);
}

void CWndVideoPlayer::Warn(const CString& text)
{
    if (m_owner)
        AppMessageBox(text, MB_OK | MB_ICONWARNING, GetSafeHwnd());
}

void CWndVideoPlayer::WarnFailure(HRESULT hr)
{
    Warn(GetHResultText(hr));
}

LRESULT CWndVideoPlayer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_MOVE:
    case WM_SIZE:
        PlaceVideo();
        break;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {200, 120};
        break;
    case WM_KEYDOWN:
        OnKeyDown(wParam);
        break;
    case WM_COMMAND:
        OnCommand(wParam);
        break;
    case WM_PLAYER_GRAPH_EVENT:
        OnGraphEvent();
        break;
    default:
        break;
    }
    m_graph.NotifyOwnerMessage(*this, message, wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}
