#pragma once
// CWndVideoPlayer: a top-level window that plays one video file through a DirectShow
// graph, with its own menu and keys for playing, pausing, frame steps, the playback
// rate, mute, five window sizes and full screen. It tells its owner window (when it has
// one) that playing started, paused, resumed or stopped, and posts WM_PLAYER_CLOSED
// when its user has closed it, so that the owner deletes the object.
//
// Without an owner (an unattended job) the window shows no message box, and the end of
// the last repeat, or the user closing the window, posts the quit message that ends the
// job's wait.
//
// User-interface thread only; the graph's events arrive as WM_PLAYER_GRAPH_EVENT.
#include "Info/InfoVideoPlaying.h"
#include "capture/video/CVideoPlayerGraph.h"
#include "framework/CWnd.h"

#include <memory>

class CWndVideoPlayer : public CWnd
{
public:
    // Copies the record. Throws CResourceException without a record or when the
    // window class cannot be registered.
    CWndVideoPlayer(const InfoVideoPlaying* playing, HWND owner);
    ~CWndVideoPlayer() override;

    // Creates and shows the window; false with the error text on failure.
    bool Create();

    // Each returns whether the player is in the state the operation leads to; a failure
    // leaves the state as it was, with the reason in the error text.
    bool Play();
    bool Stop();
    bool Pause();
    bool Resume();

    bool IsPlaying() const { return m_state == kRunning; }
    bool IsPaused() const { return m_state == kPaused; }
    CString GetErrorText() const { return m_errorText; }
    // The player's own copy of the record: its file, mute and repeats change with use.
    const InfoVideoPlaying& GetPlaying() const { return *m_playing; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum State
    {
        kStopped = 0,
        kPaused = 1,
        kRunning = 2,
        kNoFile = 3,
    };

    HRESULT BuildGraph();
    // Sizes the window for a video area chosen by multiplier and divider (0: the
    // record's size, -1: the current size, 1 and 1: the native size, else the video
    // size scaled) and checks the matching item of the Size menu.
    HRESULT ApplySize(int multiplier, int divider);
    void CheckSizeItem(UINT id);
    void PlaceVideo();
    // Mutes or unmutes the sound by the record's PlayAudio.
    HRESULT ApplyMute();
    void ToggleMute();
    void ToggleFullScreen();
    void ChangeRate(double delta);
    void SetRate(double rate);
    void StepFrames(DWORD frames);
    void StepBack();
    void CloseFile();
    void OpenFile();
    // True when the chosen file may be played; a refusal is shown.
    bool AcceptFile(const CString& path);
    void OnGraphEvent();
    void EndPlaying();
    void OnDestroy();
    void OnKeyDown(WPARAM key);
    void OnCommand(WPARAM id);
    // Stop, Pause or Resume: when allowed, the graph call leads to state `to` and the
    // owner is told; a failure's text is errorFormat with the file and the reason.
    bool Transition(bool allowed, HRESULT (CVideoPlayerGraph::*call)(), State to, UINT notification,
                    const wchar_t* errorFormat);
    void RefreshTitle();
    void RefreshMenu();
    void Notify(UINT message);
    // A warning box, only when someone can answer it (the player has an owner).
    void Warn(const CString& text);
    void WarnFailure(HRESULT hr);

    CVideoPlayerGraph m_graph;
    std::unique_ptr<InfoVideoPlaying> m_playing;
    HWND m_owner = nullptr;
    bool m_fullScreen = false;
    bool m_notifyOwner = true;
    // Set while the owner deletes the object: the destruction is not the user's.
    bool m_ownerDeletes = false;
    State m_state = kNoFile;
    int m_nativeWidth = 0;
    int m_nativeHeight = 0;
    int m_currentWidth = 0;
    int m_currentHeight = 0;
    double m_rate = 1.0;
    CString m_errorText;
    CString m_className;
};
