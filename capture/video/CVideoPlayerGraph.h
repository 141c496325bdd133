#pragma once
// CVideoPlayerGraph: the DirectShow filter graph of the video player window and every
// interface the window uses of it, released together in one fixed order. Each
// operation does nothing and returns E_POINTER when the interface it needs is missing
// (no file rendered, or the graph lacks that part). COM must be initialised on the
// calling thread; graph events reach the window given to Build as WM_PLAYER_GRAPH_EVENT.
#include "framework/CString.h"

#include <functional>
#include <windows.h>

// The graph's interfaces (dshow.h); that header is kept out of this one, as its macros
// (windowsx.h's SubclassWindow) clash with the framework's names.
struct IGraphBuilder;
struct IMediaControl;
struct IMediaEventEx;
struct IMediaSeeking;
struct IMediaPosition;
struct IVideoWindow;
struct IBasicVideo;
struct IBasicAudio;
struct IVideoFrameStep;

class CVideoPlayerGraph
{
public:
    CVideoPlayerGraph() = default;
    CVideoPlayerGraph(const CVideoPlayerGraph&) = delete;
    CVideoPlayerGraph& operator=(const CVideoPlayerGraph&) = delete;
    ~CVideoPlayerGraph() { Release(); }

    // Releases any graph, renders the file into a new one, routes its events to window
    // and makes the video a child of window. warn receives the code of a failing step
    // after the graph was made (rendering, the interfaces, the event route, the video
    // window); the first failing code is the result.
    HRESULT Build(const CString& path, HWND window, const std::function<void(HRESULT)>& warn);
    // Hides the video window, stops the event route and releases every interface.
    void Release();

    bool HasControl() const { return m_control != nullptr; }
    bool HasEvents() const { return m_events != nullptr; }
    bool HasVideoWindow() const { return m_videoWindow != nullptr; }
    bool HasBasicVideo() const { return m_basicVideo != nullptr; }
    bool HasBasicAudio() const { return m_basicAudio != nullptr; }
    bool HasPosition() const { return m_position != nullptr; }
    bool CanStepFrames() const { return m_frameStep != nullptr; }
    bool IsBuilt() const { return m_graph != nullptr; }

    HRESULT Run();
    HRESULT Pause();
    HRESULT Stop();

    // The next waiting event's code, its parameters freed; false when none is left.
    bool NextEvent(long& code);
    // Seeks to the start.
    HRESULT Rewind();

    HRESULT GetVideoSize(long& width, long& height);
    // Places the video over the rectangle of the window's client area.
    HRESULT SetVideoPosition(const RECT& client);
    // Hands one of the window's messages to the video window.
    void NotifyOwnerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HRESULT GetVolume(long& volume);
    HRESULT PutVolume(long volume);

    HRESULT GetRate(double& rate);
    HRESULT PutRate(double rate);

    // S_OK when the graph can step that many frames.
    HRESULT CanStep(DWORD frames);
    HRESULT Step(DWORD frames);
    // Seeks one frame back, not below the first; the time format stays frames.
    HRESULT StepBack();

    HRESULT GetFullScreen(bool& on);
    // Full screen on: the video window's messages go to drain meanwhile; previousDrain
    // receives the drain it had. Off: drain is given back and the window comes to front.
    HRESULT EnterFullScreen(HWND drain, HWND& previousDrain);
    HRESULT LeaveFullScreen(HWND previousDrain);

private:
    HRESULT QueryInterfaces();

    IGraphBuilder* m_graph = nullptr;
    IMediaControl* m_control = nullptr;
    IMediaEventEx* m_events = nullptr;
    IMediaSeeking* m_seeking = nullptr;
    IMediaPosition* m_position = nullptr;
    IVideoWindow* m_videoWindow = nullptr;
    IBasicVideo* m_basicVideo = nullptr;
    IBasicAudio* m_basicAudio = nullptr;
    IVideoFrameStep* m_frameStep = nullptr;
};
