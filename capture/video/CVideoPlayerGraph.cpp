#include "capture/video/CVideoPlayerGraph.h"

#include "capture/video/VideoPlayerIds.h"

#include <dshow.h>

namespace
{
template <class Interface> void ReleaseInterface(Interface*& pointer)
{
    if (pointer)
        pointer->Release();
    pointer = nullptr;
}

// The code of the first failure among the steps, each run only while all before it
// succeeded.
HRESULT FirstFailure(std::initializer_list<std::function<HRESULT()>> steps)
{
    for (const auto& step : steps)
    {
        const HRESULT hr = step();
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}
} // namespace

HRESULT CVideoPlayerGraph::Build(const CString& path, HWND window, const std::function<void(HRESULT)>& warn)
{
    Release();
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(&m_graph));
    if (FAILED(hr))
        return hr;
    hr = FirstFailure({
        [&] { return m_graph->RenderFile(path, nullptr); },
        [&] { return QueryInterfaces(); },
        [&] { return m_events->SetNotifyWindow(reinterpret_cast<OAHWND>(window), WM_PLAYER_GRAPH_EVENT, 0); },
        [&] { return m_videoWindow->put_Owner(reinterpret_cast<OAHWND>(window)); },
        [&] { return m_videoWindow->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN); },
    });
    if (FAILED(hr))
    {
        warn(hr);
        return hr;
    }
    // Frame steps only where the graph can take them.
    if (SUCCEEDED(m_graph->QueryInterface(IID_IVideoFrameStep, reinterpret_cast<void**>(&m_frameStep))) &&
        m_frameStep->CanStep(0, nullptr) != S_OK)
        ReleaseInterface(m_frameStep);
    return S_OK;
}

HRESULT CVideoPlayerGraph::QueryInterfaces()
{
    return FirstFailure({
        [&] { return m_graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&m_control)); },
        [&] { return m_graph->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&m_events)); },
        [&] { return m_graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&m_seeking)); },
        [&] { return m_graph->QueryInterface(IID_IMediaPosition, reinterpret_cast<void**>(&m_position)); },
        [&] { return m_graph->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_videoWindow)); },
        [&] { return m_graph->QueryInterface(IID_IBasicVideo, reinterpret_cast<void**>(&m_basicVideo)); },
        [&] { return m_graph->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(&m_basicAudio)); },
    });
}

void CVideoPlayerGraph::Release()
{
    if (m_videoWindow)
    {
        m_videoWindow->put_Visible(OAFALSE);
        m_videoWindow->put_Owner(0);
    }
    if (m_events)
        m_events->SetNotifyWindow(0, 0, 0);
    ReleaseInterface(m_events);
    ReleaseInterface(m_seeking);
    ReleaseInterface(m_position);
    ReleaseInterface(m_control);
    ReleaseInterface(m_basicAudio);
    ReleaseInterface(m_basicVideo);
    ReleaseInterface(m_videoWindow);
    ReleaseInterface(m_frameStep);
    ReleaseInterface(m_graph);
}

HRESULT CVideoPlayerGraph::Run()
{
    return m_control ? m_control->Run() : E_POINTER;
}

HRESULT CVideoPlayerGraph::Pause()
{
    return m_control ? m_control->Pause() : E_POINTER;
}

HRESULT CVideoPlayerGraph::Stop()
{
    return m_control ? m_control->Stop() : E_POINTER;
}

bool CVideoPlayerGraph::NextEvent(long& code)
{
    LONG_PTR first = 0;
    LONG_PTR second = 0;
    if (!m_events || FAILED(m_events->GetEvent(&code, &first, &second, 0)))
        return false;
    m_events->FreeEventParams(code, first, second);
    return true;
}

HRESULT CVideoPlayerGraph::Rewind()
{
    LONGLONG start = 0;
    return m_seeking
               ? m_seeking->SetPositions(&start, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning)
               : E_POINTER;
}

HRESULT CVideoPlayerGraph::GetVideoSize(long& width, long& height)
{
    return m_basicVideo ? m_basicVideo->GetVideoSize(&width, &height) : E_POINTER;
}

HRESULT CVideoPlayerGraph::SetVideoPosition(const RECT& client)
{
    return m_videoWindow ? m_videoWindow->SetWindowPosition(client.left, client.top, client.right - client.left,
                                                            client.bottom - client.top)
                         : E_POINTER;
}

void CVideoPlayerGraph::NotifyOwnerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_videoWindow)
        m_videoWindow->NotifyOwnerMessage(reinterpret_cast<OAHWND>(window), static_cast<long>(message), wParam, lParam);
}

HRESULT CVideoPlayerGraph::GetVolume(long& volume)
{
    return m_basicAudio ? m_basicAudio->get_Volume(&volume) : E_POINTER;
}

HRESULT CVideoPlayerGraph::PutVolume(long volume)
{
    return m_basicAudio ? m_basicAudio->put_Volume(volume) : E_POINTER;
}

HRESULT CVideoPlayerGraph::GetRate(double& rate)
{
    return m_position ? m_position->get_Rate(&rate) : E_POINTER;
}

HRESULT CVideoPlayerGraph::PutRate(double rate)
{
    return m_position ? m_position->put_Rate(rate) : E_POINTER;
}

HRESULT CVideoPlayerGraph::CanStep(DWORD frames)
{
    return m_frameStep ? m_frameStep->CanStep(frames, nullptr) : E_POINTER;
}

HRESULT CVideoPlayerGraph::Step(DWORD frames)
{
    return m_frameStep ? m_frameStep->Step(frames, nullptr) : E_POINTER;
}

HRESULT CVideoPlayerGraph::StepBack()
{
    if (!m_seeking)
        return E_POINTER;
    LONGLONG current = 0;
    LONGLONG stop = 0;
    HRESULT hr = m_seeking->SetTimeFormat(&TIME_FORMAT_FRAME);
    if (SUCCEEDED(hr))
        hr = m_seeking->GetPositions(&current, &stop);
    if (FAILED(hr))
        return hr;
    current = current > 0 ? current - 1 : 0;
    return m_seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, &stop, AM_SEEKING_NoPositioning);
}

HRESULT CVideoPlayerGraph::GetFullScreen(bool& on)
{
    long mode = OAFALSE;
    const HRESULT hr = m_videoWindow ? m_videoWindow->get_FullScreenMode(&mode) : E_POINTER;
    on = mode != OAFALSE;
    return hr;
}

HRESULT CVideoPlayerGraph::EnterFullScreen(HWND drain, HWND& previousDrain)
{
    if (!m_videoWindow)
        return E_POINTER;
    OAHWND previous = 0;
    return FirstFailure({
        [&] {
            const HRESULT hr = m_videoWindow->get_MessageDrain(&previous);
            previousDrain = reinterpret_cast<HWND>(previous);
            return hr;
        },
        [&] { return m_videoWindow->put_MessageDrain(reinterpret_cast<OAHWND>(drain)); },
        [&] { return m_videoWindow->put_FullScreenMode(OATRUE); },
    });
}

HRESULT CVideoPlayerGraph::LeaveFullScreen(HWND previousDrain)
{
    if (!m_videoWindow)
        return E_POINTER;
    return FirstFailure({
        [&] { return m_videoWindow->put_FullScreenMode(OAFALSE); },
        [&] { return m_videoWindow->put_MessageDrain(reinterpret_cast<OAHWND>(previousDrain)); },
        [&] { return m_videoWindow->SetWindowForeground(-1); },
    });
}
