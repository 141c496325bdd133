// The video recorder's graphs: the preview graph, the capture graph that writes the
// file, running, pausing, resuming and stopping them, and the graph's events.
#include "capture/video/CWndVideoRecorder.h"
#include "capture/video/ComPtr.h"
#include "capture/video/ISampleCaptureGraphBuilder.h"
#include "capture/video/StatusLine.h"
#include "common/DirectShowHelpers.h"
#include "common/SystemHelpers.h"

#include <climits>
#include <evcode.h>
#include <mmsystem.h>

namespace
{
constexpr UINT_PTR kStatisticsTimer = 1;
constexpr UINT kStatisticsMs = 33;

// Whether both pointers are the same COM object.
bool SameObject(IUnknown* a, IUnknown* b)
{
    ComPtr<IUnknown> first, second;
    return a && b && SUCCEEDED(a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(first.Receive()))) &&
           SUCCEEDED(b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(second.Receive()))) &&
           first.Get() == second.Get();
}
// Calls one state change of the graph's media control.
HRESULT ControlGraph(IGraphBuilder* graph, HRESULT (STDMETHODCALLTYPE IMediaControl::*change)())
{
    ComPtr<IMediaControl> control;
    HRESULT hr = graph ? graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(control.Receive()))
                       : E_POINTER;
    return SUCCEEDED(hr) ? (control.Get()->*change)() : hr;
}
} // namespace

bool CWndVideoRecorder::BuildCaptureGraph()
{
    if (m_captureGraphBuilt)
        return true;
    if (m_capturing || m_previewing)
    {
        m_errorText = L"The video vellumor is already running.";
        return false;
    }
    if (!m_videoCapture || (m_captureAudio && !m_audioCapture))
    {
        m_errorText = L"You do not have the necessary capture filters built.";
        return false;
    }
    if (m_captureFile.IsEmpty())
        SetCaptureFile();
    if (m_previewGraphBuilt)
        TearDownGraph();
    const GUID subtype = m_mpeg2 ? MEDIASUBTYPE_Mpeg2Output : MEDIASUBTYPE_Avi;
    HRESULT hr = m_builder->SetOutputFileName(&subtype, m_captureFile, &m_renderFilter, &m_fileSink);
    if (FAILED(hr))
    {
        m_errorText.Format(L"Cannot set the output video file '%s'. Error: %s", m_captureFile.GetString(),
                           GetHResultText(hr).GetString());
        TearDownGraph();
        return false;
    }
    if (!m_mpeg2 && m_renderFilter &&
        SUCCEEDED(m_renderFilter->QueryInterface(IID_IConfigAviMux, reinterpret_cast<void**>(&m_aviMuxConfig))))
    {
        m_aviMuxConfig->SetOutputCompatibilityIndex(TRUE);
        // A master stream the multiplexer refuses leaves the capture without one.
        if (m_captureAudio && FAILED(hr = m_aviMuxConfig->SetMasterStream(m_masterStream)))
            ReportHr(L"Cannot set the master stream. Error: %s", hr);
    }
    if (!RenderCaptureStreams())
    {
        TearDownGraph();
        return false;
    }
    ListenToGraph();
    m_captureGraphBuilt = true;
    return true;
}

bool CWndVideoRecorder::RenderCaptureStreams()
{
    HRESULT hr;
    if (m_mpeg2)
    {
        ComPtr<IBaseFilter> writer;
        if (m_fileSink)
            m_fileSink->QueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(writer.Receive()));
        hr = m_builder->RenderStream(nullptr, &MEDIATYPE_Stream, m_videoCapture, nullptr, writer.Get());
        if (FAILED(hr))
            ReportHr(L"Cannot render the video capture stream. Error: %s", hr);
        return SUCCEEDED(hr);
    }
    hr = m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Interleaved, m_videoCapture, nullptr, m_renderFilter);
    if (FAILED(hr))
        hr = m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, m_videoCapture, nullptr, m_renderFilter);
    if (FAILED(hr))
    {
        ReportHr(L"Cannot render the video capture stream. Error: %s", hr);
        return false;
    }
    if (m_previewWanted)
    {
        hr = m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Interleaved, m_videoCapture, nullptr, nullptr);
        if (FAILED(hr))
            hr = m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Video, m_videoCapture, nullptr, nullptr);
        if (hr == VFW_S_NOPREVIEWPIN)
            m_previewFaked = true;
        else if (FAILED(hr))
        {
            ReportHr(L"Cannot render the video preview stream. Error: %s", hr);
            return false;
        }
    }
    if (m_captureAudio &&
        FAILED(hr = m_builder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Audio, m_audioCapture, nullptr,
                                            m_renderFilter)))
    {
        ReportHr(L"Cannot render the audio capture stream. Error: %s", hr);
        return false;
    }
    if (m_captureClosedCaptions)
    {
        if (FAILED(m_builder->RenderStream(&PIN_CATEGORY_CC, nullptr, m_videoCapture, nullptr, m_renderFilter)))
            m_builder->RenderStream(&PIN_CATEGORY_VBI, nullptr, m_videoCapture, nullptr, m_renderFilter);
        if (m_previewWanted)
            m_builder->RenderStream(&PIN_CATEGORY_VBI, nullptr, m_videoCapture, nullptr, nullptr);
    }
    if (m_previewWanted)
        AttachVideoWindow(true);
    if (m_useFrameRate)
        ApplyFrameRate(nullptr);
    return true;
}

bool CWndVideoRecorder::BuildPreviewGraph()
{
    if (m_previewGraphBuilt)
        return true;
    if (m_capturing || m_previewing || !m_videoCapture || (m_captureAudio && !m_audioCapture))
        return false;
    if (m_captureGraphBuilt)
        TearDownGraph();
    HRESULT hr;
    if (!m_mpeg2)
    {
        hr = m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Interleaved, m_videoCapture, nullptr, nullptr);
        if (FAILED(hr))
            hr = m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Video, m_videoCapture, nullptr, nullptr);
        if (hr == VFW_S_NOPREVIEWPIN)
            m_previewFaked = true;
        else if (FAILED(hr))
        {
            m_errorText = L"This graph cannot preview.";
            m_previewGraphBuilt = false;
            return false;
        }
        if (m_captureClosedCaptions &&
            FAILED(m_builder->RenderStream(&PIN_CATEGORY_CC, nullptr, m_videoCapture, nullptr, nullptr)) &&
            FAILED(m_builder->RenderStream(&PIN_CATEGORY_VBI, nullptr, m_videoCapture, nullptr, nullptr)))
            m_errorText = L"Cannot render closed captioning";
    }
    else if (FAILED(m_builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Stream, m_videoCapture, nullptr, nullptr)))
        m_errorText = L"Cannot build MPEG2 preview graph.";
    AttachVideoWindow(false);
    if (m_useFrameRate)
        ApplyFrameRate(L"Cannot set the frame rate for preview. Error: %s");
    ListenToGraph();
    m_previewGraphBuilt = true;
    return true;
}

// The renderer's window becomes a child above the status line; warn: a graph without
// one is shown as a failure (the capture), else only noted (the preview).
void CWndVideoRecorder::AttachVideoWindow(bool warn)
{
    if (FAILED(m_graph->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_videoWindow))))
    {
        m_videoWindow = nullptr;
        if (warn)
            Report(L"This graph cannot preview.");
        else
            m_errorText = L"This graph cannot preview properly.";
        return;
    }
    RECT client;
    GetClientRect(*this, &client);
    m_videoWindow->put_Owner(reinterpret_cast<OAHWND>(GetSafeHwnd()));
    m_videoWindow->put_WindowStyle(WS_CHILD);
    m_videoWindow->SetWindowPosition(0, 0, client.right,
                                     client.bottom - StatusGetHeight() - GetSystemMetrics(SM_CYBORDER));
    m_videoWindow->put_Visible(OATRUE);
}

// A rate of 0 or less sets no frame time (a frame time of one second divided by it
// would make no sense).
void CWndVideoRecorder::ApplyFrameRate(const wchar_t* failure)
{
    AM_MEDIA_TYPE* type = nullptr;
    if (m_frameRate <= 0 || !m_videoStreamConfig || FAILED(m_videoStreamConfig->GetFormat(&type)) || !type)
        return;
    if (type->formattype == FORMAT_VideoInfo && type->cbFormat >= sizeof(VIDEOINFOHEADER))
    {
        reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->AvgTimePerFrame =
            static_cast<REFERENCE_TIME>(10000000 / m_frameRate);
        HRESULT hr = m_videoStreamConfig->SetFormat(type);
        if (FAILED(hr) && failure)
            ReportHr(failure, hr);
    }
    DeleteMediaType(type);
}

void CWndVideoRecorder::ListenToGraph()
{
    if (!m_mediaEvents &&
        SUCCEEDED(m_graph->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&m_mediaEvents))))
        m_mediaEvents->SetNotifyWindow(reinterpret_cast<OAHWND>(GetSafeHwnd()), WM_RECORDER_GRAPH_EVENT, 0);
}

bool CWndVideoRecorder::StartPreview()
{
    if (m_previewing || !m_previewGraphBuilt || !m_graph)
        return false;
    HRESULT hr = ControlGraph(m_graph, &IMediaControl::Run);
    if (FAILED(hr))
    {
        ControlGraph(m_graph, &IMediaControl::Stop);
        ReportHr(L"Cannot run the preview graph. Error: %s", hr);
        return false;
    }
    m_previewing = true;
    return true;
}

bool CWndVideoRecorder::StopPreview()
{
    if (!m_previewing)
        return false;
    HRESULT hr = ControlGraph(m_graph, &IMediaControl::Stop);
    if (FAILED(hr))
    {
        ReportHr(L"Cannot stop the preview graph. Error: %s", hr);
        return false;
    }
    m_previewing = false;
    InvalidateRect(*this, nullptr, TRUE);
    return true;
}

bool CWndVideoRecorder::RunCaptureGraph()
{
    if (m_capturing)
    {
        m_paused = false;
        return true;
    }
    StopPreview();
    if (!BuildCaptureGraph())
        return false;
    m_droppedBase = m_notDroppedBase = 0;
    REFERENCE_TIME held = LLONG_MAX;
    const bool streamControl =
        SUCCEEDED(m_builder->ControlStream(&PIN_CATEGORY_CAPTURE, nullptr, nullptr, &held, nullptr, 0, 0));
    ComPtr<IMediaControl> control;
    HRESULT hr = m_graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(control.Receive()));
    if (FAILED(hr))
    {
        ReportHr(L"Cannot get the media control. Error: %s", hr);
        return false;
    }
    // With stream control the graph runs while the capture stream is held; without it
    // the graph is paused first and then run.
    hr = streamControl ? control->Run() : control->Pause();
    if (SUCCEEDED(hr) && streamControl)
    {
        if (!m_droppedFrames)
            FindOnCapturePin(IID_IAMDroppedFrames, reinterpret_cast<void**>(&m_droppedFrames));
        REFERENCE_TIME now = 0, never = LLONG_MAX;
        m_builder->ControlStream(&PIN_CATEGORY_CAPTURE, nullptr, nullptr, &now, &never, 0, 0);
        if (m_droppedFrames)
        {
            m_droppedFrames->GetNumDropped(&m_droppedBase);
            m_droppedFrames->GetNumNotDropped(&m_notDroppedBase);
        }
    }
    else if (SUCCEEDED(hr))
        hr = control->Run();
    if (FAILED(hr))
    {
        control->Stop();
        ReportHr(L"Cannot run the video capture. Error: %s", hr);
        return false;
    }
    m_captureStart = timeGetTime();
    SetTimer(*this, kStatisticsTimer, kStatisticsMs, nullptr);
    m_capturing = true;
    m_paused = false;
    return true;
}

bool CWndVideoRecorder::StopCaptureGraph()
{
    if (!m_capturing)
        return true;
    HRESULT hr = ControlGraph(m_graph, &IMediaControl::Stop);
    if (FAILED(hr))
    {
        ReportHr(L"Cannot stop the graph. Error: %s", hr);
        return false;
    }
    m_captureStop = timeGetTime();
    KillTimer(*this, kStatisticsTimer);
    UpdateStatistics(true);
    m_capturing = false;
    m_paused = false;
    InvalidateRect(*this, nullptr, TRUE);
    return true;
}

bool CWndVideoRecorder::PauseGraph(bool pause)
{
    HRESULT hr = ControlGraph(m_graph, pause ? &IMediaControl::Pause : &IMediaControl::Run);
    if (FAILED(hr))
    {
        ReportHr(pause ? L"Cannot pause the graph. Error: %s" : L"Cannot resume the graph. Error: %s", hr);
        return false;
    }
    InvalidateRect(*this, nullptr, TRUE);
    m_paused = pause;
    return true;
}

void CWndVideoRecorder::TearDownGraph()
{
    ReleaseInterface(m_fileSink);
    ReleaseInterface(m_aviMuxConfig);
    ReleaseInterface(m_renderFilter);
    if (m_mediaEvents)
        m_mediaEvents->SetNotifyWindow(0, 0, 0);
    ReleaseInterface(m_mediaEvents);
    ReleaseInterface(m_droppedFrames);
    if (m_videoWindow)
    {
        m_videoWindow->put_Owner(0);
        m_videoWindow->put_Visible(OAFALSE);
    }
    ReleaseInterface(m_videoWindow);
    if (m_videoCapture)
        RemoveDownstream(m_videoCapture);
    if (m_audioCapture)
        RemoveDownstream(m_audioCapture);
    if (m_videoCapture && m_builder)
        m_builder->ReleaseRouteFilters();
    m_captureGraphBuilt = m_previewGraphBuilt = false;
    m_previewFaked = false;
}

void CWndVideoRecorder::RemoveDownstream(IBaseFilter* filter)
{
    ComPtr<IEnumPins> pins;
    if (!m_graph || FAILED(filter->EnumPins(pins.Receive())))
        return;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.Receive(), nullptr) == S_OK)
    {
        ComPtr<IPin> peer;
        PIN_DIRECTION direction;
        if (FAILED(pin->ConnectedTo(peer.Receive())) || FAILED(peer->QueryDirection(&direction)) ||
            direction != PINDIR_INPUT)
            continue;
        PIN_INFO info{};
        if (FAILED(peer->QueryPinInfo(&info)) || !info.pFilter)
            continue;
        ComPtr<IBaseFilter> downstream;
        *downstream.Receive() = info.pFilter;
        RemoveDownstream(downstream.Get());
        m_graph->Disconnect(peer.Get());
        m_graph->Disconnect(pin.Get());
        m_graph->RemoveFilter(downstream.Get());
    }
}

void CWndVideoRecorder::OnGraphNotify()
{
    long code = 0;
    LONG_PTR first = 0, second = 0;
    HRESULT abortResult = S_OK;
    bool aborted = false;
    while (m_mediaEvents && m_mediaEvents->GetEvent(&code, &first, &second, 0) == S_OK)
    {
        const bool lost =
            code == EC_DEVICE_LOST && second == 0 && SameObject(reinterpret_cast<IUnknown*>(first), m_videoCapture);
        if (code == EC_ERRORABORT && !aborted)
        {
            aborted = true;
            abortResult = static_cast<HRESULT>(first);
        }
        m_mediaEvents->FreeEventParams(code, first, second);
        if (code == EC_ERRORABORT)
            StopCapture();
        if (lost)
        {
            StopCapture();
            Report(L"Video device lost.");
            return;
        }
    }
    if (!aborted)
        return;
    if (m_previewWanted && BuildPreviewGraph())
        StartPreview();
    ReportHr(L"Failure during the video capture. Error: %s", abortResult, true);
}

void CWndVideoRecorder::TogglePreview()
{
    m_previewWanted = !m_previewWanted;
    if (!m_previewWanted)
        StopPreview();
    else if (BuildPreviewGraph())
        StartPreview();
}

void CWndVideoRecorder::ToggleOption(bool& option)
{
    StopPreview();
    option = !option;
    if (m_captureGraphBuilt || m_previewGraphBuilt)
        TearDownGraph();
    if (m_previewWanted && BuildPreviewGraph())
        StartPreview();
}

void CWndVideoRecorder::SetMasterStream(int stream)
{
    m_masterStream = stream;
    HRESULT hr;
    if (m_aviMuxConfig && FAILED(hr = m_aviMuxConfig->SetMasterStream(stream)))
        ReportHr(L"Cannot set the master stream. Error: %s", hr, true);
}
