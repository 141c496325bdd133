#include "capture/audio/CAudioGraph.h"

#include "capture/audio/AudioErrorText.h"
#include "capture/audio/AudioMessages.h"
#include "capture/audio/CWndAudioNotifications.h"
#include "capture/audio/AudioInputMixer.h"
#include "capture/audio/RecordedPartFile.h"
#include "common/DirectShowHelpers.h"

#include <evcode.h>
#include <uuids.h>
#include <vfwmsgs.h>

using Microsoft::WRL::ComPtr;

// {3C78B8E2-6C4D-11D1-ADE2-0000F8754B99}
const CLSID CAudioGraph::kWavDestClsid = {0x3C78B8E2, 0x6C4D, 0x11D1, {0xAD, 0xE2, 0x00, 0x00, 0xF8, 0x75, 0x4B, 0x99}};

namespace
{
const wchar_t* const kDeviceNotSelected = L"Cannot create the specified audio capture device. Possible cause: the "
                                          L"audio capture device was not selected yet.";
const wchar_t* const kPlayRunFailure = L"Failure playing the audio file '%s'. Error:  The graph is preparing to run, "
                                       L"but some filters have not completed the transition to a running state.";
const wchar_t* const kDeviceRemoved = L"The selected input device was removed!";
const wchar_t* const kDeviceReattached = L"The audio input device has been reattached!";
// The capture buffers: six of 50 ms each.
const long kCaptureBuffers = 6;
const double kCaptureBufferSeconds = 0.05;
} // namespace

CAudioGraph::CAudioGraph() : m_window(new CWndAudioNotifications(*this))
{
    m_window->Create();
}

CAudioGraph::~CAudioGraph()
{
    TearDownRecordGraph();
    TearDownPlayGraph();
    m_window.reset();
}

void CAudioGraph::DeleteAfterEvent()
{
    if (m_eventDepth > 0)
        m_deletePending = true;
    else
        delete this;
}

void CAudioGraph::EndEvent()
{
    if (--m_eventDepth == 0 && m_deletePending)
        delete this;
}

void CAudioGraph::Notify(UINT message) const
{
    if (m_notifyTarget)
        SendMessageW(m_notifyTarget, message, 0, 0);
}

// --- Graph construction ---------------------------------------------------------

// COM stays initialised on the thread once a graph has used it: uninitialising it while
// the released graphs' worker threads still wind down unloads their code under them.
bool CAudioGraph::InitializeCom()
{
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // RPC_E_CHANGED_MODE: COM already runs on this thread, multithreaded.
    if (FAILED(hr) && hr != RPC_E_CHANGED_MODE)
        return SetAudioFailure(L"Cannot initialize COM. Error:  %s", hr), false;
    return true;
}

HRESULT CAudioGraph::CreateGraph(Graph& graph, LONG_PTR instance)
{
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(graph.builder.ReleaseAndGetAddressOf()));
    if (FAILED(hr))
        return SetAudioFailure(L"Cannot create the filter graph interface. Error:  %s", hr), E_NOINTERFACE;
    if (FAILED(hr = graph.builder.As(&graph.control)))
        return SetAudioFailure(L"Audio media control interface (IID_IMediaControl) not found. Error:  %s", hr);
    if (FAILED(hr = graph.builder->QueryInterface(IID_IMediaEventEx,
                                                  reinterpret_cast<void**>(graph.events.ReleaseAndGetAddressOf()))))
        return SetAudioFailure(L"Audio media event interface (IID_IMediaEventEx) not found. Error:  %s", hr);
    hr = graph.events->SetNotifyWindow(reinterpret_cast<OAHWND>(m_window->GetSafeHwnd()), WM_AUDIO_GRAPH_EVENT,
                                       instance);
    if (FAILED(hr))
        return SetAudioFailure(
            L"Failure setting up the notification window for audio media event interface. Error:  %s", hr);
    return S_OK;
}

HRESULT CAudioGraph::CreateRecordGraph()
{
    if (!InitializeCom())
        return E_FAIL;
    HRESULT hr = CreateGraph(m_record, kRecordGraphEvents);
    if (FAILED(hr))
        return hr;
    hr = CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER, IID_ICaptureGraphBuilder2,
                          reinterpret_cast<void**>(m_captureBuilder.ReleaseAndGetAddressOf()));
    if (FAILED(hr))
        return SetAudioFailure(L"Cannot create the capture graph builder interface. Error:  %s", hr), E_NOINTERFACE;
    if (FAILED(hr = m_captureBuilder->SetFiltergraph(m_record.builder.Get())))
        return SetAudioFailure(L"Cannot associate the filter graph with the capture graph builder. Error:  %s", hr);
    return S_OK;
}

HRESULT CAudioGraph::CreatePlayGraph()
{
    return InitializeCom() ? CreateGraph(m_play, kPlayGraphEvents) : E_FAIL;
}

void CAudioGraph::RemoveFilter(ComPtr<IBaseFilter>& filter)
{
    if (filter && m_record.builder)
        m_record.builder->RemoveFilter(filter.Get());
    filter.Reset();
}

void CAudioGraph::TearDownRecordGraph()
{
    if (m_record.control)
        m_record.control->Stop();
    if (m_record.events)
        m_record.events->SetNotifyWindow(0, 0, 0);
    RemoveFilter(m_smartTee);
    RemoveFilter(m_audioRenderer);
    RemoveFilter(m_wavDest);
    RemoveFilter(m_fileWriter);
    RemoveFilter(m_captureFilter);
    m_captureBuilder.Reset();
    m_record = Graph();
}

void CAudioGraph::TearDownPlayGraph()
{
    if (m_play.control)
        m_play.control->Stop();
    if (m_play.events)
        m_play.events->SetNotifyWindow(0, 0, 0);
    m_play = Graph();
}

ComPtr<IBaseFilter> CAudioGraph::FindFilter(const wchar_t* name) const
{
    ComPtr<IBaseFilter> filter;
    m_record.builder->FindFilterByName(name, &filter);
    return filter;
}

ComPtr<IBaseFilter> CAudioGraph::FilterBehind(IBaseFilter* filter, int outputPin)
{
    ComPtr<IPin> pin, peer;
    PIN_INFO info = {};
    if (FAILED(GetPin(filter, PINDIR_OUTPUT, outputPin, &pin)) || FAILED(pin->ConnectedTo(&peer)) ||
        FAILED(peer->QueryPinInfo(&info)))
        return nullptr;
    ComPtr<IBaseFilter> behind;
    behind.Attach(info.pFilter);
    return behind;
}

// --- Recording ------------------------------------------------------------------

HRESULT CAudioGraph::AddCaptureDevice()
{
    ComPtr<IMoniker> device;
    device.Attach(FindDeviceFilter(nullptr, CLSID_AudioInputDeviceCategory, m_device));
    if (!device)
    {
        SetAudioErrorText(kDeviceNotSelected);
        return E_NOTIMPL;
    }
    HRESULT hr = device->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                      reinterpret_cast<void**>(m_captureFilter.ReleaseAndGetAddressOf()));
    if (FAILED(hr))
        return SetAudioFailure(L"Cannot create the specified audio capture device. Error:  %s", hr);
    if (FAILED(hr = m_record.builder->AddFilter(m_captureFilter.Get(), L"Audio Capture")))
        return SetAudioFailure(L"Cannot add the capture filter to the filter graph. Error:  %s", hr);
    return S_OK;
}

HRESULT CAudioGraph::ConfigureOutputPins()
{
    const WORD blockAlign = static_cast<WORD>(m_format.nChannels * m_format.wBitsPerSample / 8);
    for (int index = 0; index < 2; ++index)
    {
        ComPtr<IPin> pin;
        ComPtr<IAMBufferNegotiation> negotiation;
        ComPtr<IAMStreamConfig> config;
        if (FAILED(GetPin(m_captureFilter.Get(), PINDIR_OUTPUT, index, &pin)) || FAILED(pin.As(&negotiation)) ||
            FAILED(pin.As(&config)))
            return E_FAIL;
        ALLOCATOR_PROPERTIES properties = {kCaptureBuffers,
                                           static_cast<long>(kCaptureBufferSeconds * m_format.nAvgBytesPerSec),
                                           blockAlign, 0};
        negotiation->SuggestAllocatorProperties(&properties);
        AM_MEDIA_TYPE* type = nullptr;
        HRESULT hr = config->GetFormat(&type);
        if (FAILED(hr))
            return hr;
        if (type->pbFormat && type->cbFormat >= sizeof(WAVEFORMATEX))
        {
            WAVEFORMATEX* wave = reinterpret_cast<WAVEFORMATEX*>(type->pbFormat);
            wave->nChannels = m_format.nChannels;
            wave->nSamplesPerSec = m_format.nSamplesPerSec;
            wave->wBitsPerSample = m_format.wBitsPerSample;
            wave->nBlockAlign = blockAlign;
            wave->nAvgBytesPerSec = m_format.nSamplesPerSec * blockAlign;
            type->lSampleSize = blockAlign;
            hr = config->SetFormat(type);
        }
        if (type->pbFormat)
            CoTaskMemFree(type->pbFormat);
        if (type->pUnk)
            type->pUnk->Release();
        CoTaskMemFree(type);
        if (FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT CAudioGraph::RenderPreview()
{
    if (m_audioRenderer)
        return S_OK;
    const HRESULT hr = m_captureBuilder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Audio,
                                                      m_captureFilter.Get(), nullptr, nullptr);
    if (FAILED(hr))
        return hr;
    // Without a preview pin the builder split the capture pin with a Smart Tee. Wine's
    // builder names the filters it adds by number: then the tee is the filter behind
    // the capture pin, and the renderer the one behind the tee's preview pin.
    if (hr == VFW_S_NOPREVIEWPIN)
    {
        m_smartTee = FindFilter(L"Smart Tee");
        if (!m_smartTee)
            m_smartTee = FilterBehind(m_captureFilter.Get(), 0);
    }
    m_audioRenderer = FindFilter(L"Audio Renderer");
    if (!m_audioRenderer && m_smartTee)
        m_audioRenderer = FilterBehind(m_smartTee.Get(), 1);
    return hr;
}

HRESULT CAudioGraph::CreateFileWriter()
{
    ComPtr<IUnknown> writer;
    HRESULT hr = CoCreateInstance(CLSID_FileWriter, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  reinterpret_cast<void**>(writer.GetAddressOf()));
    if (FAILED(hr))
        return SetAudioFailure(L"Error creating the audio file writer filter. Error:  %s", hr);
    if (FAILED(hr = writer.As(&m_fileWriter)))
        return SetAudioFailure(L"Error obtaining the file sink interface from the audio file writer. Error:  %s", hr);
    return S_OK;
}

HRESULT CAudioGraph::BuildFileBranch()
{
    HRESULT hr = CoCreateInstance(kWavDestClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                  reinterpret_cast<void**>(m_wavDest.ReleaseAndGetAddressOf()));
    if (FAILED(hr))
        return SetAudioFailure(L"Error loading WAVDest helper filter. Error:  %s", hr);
    if (FAILED(hr = CreateFileWriter()))
        return hr;
    if (FAILED(hr = m_record.builder->AddFilter(m_wavDest.Get(), L"WAV Dest")))
        return SetAudioFailure(L"Error adding the WAVDest filter to the graph. Error:  %s", hr);
    if (FAILED(hr = m_record.builder->AddFilter(m_fileWriter.Get(), L"File Writer")))
        return SetAudioFailure(L"Error adding the audio file writer filter to the graph. Error:  %s", hr);

    // The writer's IFileSinkFilter2 sets the overwrite mode where it has one; an old
    // file is truncated either way.
    ComPtr<IFileSinkFilter2> sink2;
    ComPtr<IFileSinkFilter> sink;
    if (SUCCEEDED(m_fileWriter.As(&sink2)))
        sink2->SetMode(AM_FILE_OVERWRITE);
    if (FAILED(hr = m_fileWriter.As(&sink)) || FAILED(hr = sink->SetFileName(m_file, nullptr)))
        return SetAudioFailure(L"Error selecting the output audio file name. Error:  %s", hr);

    ComPtr<IPin> source;
    IBaseFilter* sourceFilter = m_smartTee ? m_smartTee.Get() : m_captureFilter.Get();
    if (FAILED(hr = GetPin(sourceFilter, PINDIR_OUTPUT, 0, &source)))
        return hr;
    // Render connects the pin to the filters already in the graph: WAV Dest, File Writer.
    return m_record.builder->Render(source.Get());
}

HRESULT CAudioGraph::StartRecording(const CString& file, const CString& device, const WAVEFORMATEX* format,
                                    const CString& pinName)
{
    ClearAudioErrorText();
    m_file = file;
    m_device = device;
    // A copy: the caller's format may not outlive this call.
    m_format = format ? *format : WAVEFORMATEX{};
    m_format.cbSize = 0;
    m_pinName = pinName;
    m_recording = m_recordingPaused = m_playing = m_playingPaused = false;

    TearDownRecordGraph();
    HRESULT hr = CreateRecordGraph();
    if (FAILED(hr))
    {
        TearDownRecordGraph();
        TearDownPlayGraph();
        return hr;
    }
    if (FAILED(hr = AddCaptureDevice()))
        return hr;
    FindPinByName(m_captureFilter.Get(), m_pinName);
    // Missing stream interfaces leave the device's own format.
    ConfigureOutputPins();
    if (m_audition && FAILED(hr = RenderPreview()))
        return SetAudioFailure(L"Failure rendering for preview the audio stream. Error:  %s", hr);
    if (m_writeFile && FAILED(hr = BuildFileBranch()))
        return hr;
    if (FAILED(hr = m_record.control->Run()))
        return SetAudioFileFailure(L"A failure occurred recording the audio file '%s'. Error:  %s", m_file, hr);
    m_recording = true;
    Notify(WM_AUDIO_RECORDING_STARTED);
    return hr;
}

HRESULT CAudioGraph::StopRecording()
{
    ClearAudioErrorText();
    if (!m_record.control)
        return S_FALSE;
    const HRESULT hr = m_record.control->StopWhenReady();
    if (FAILED(hr))
        SetAudioFailure(L"Failure stopping the audio media control recording. Error:  %s", hr);
    RemoveFilter(m_smartTee);
    RemoveFilter(m_audioRenderer);
    RemoveFilter(m_wavDest);
    RemoveFilter(m_fileWriter);
    m_recording = m_recordingPaused = m_playing = m_playingPaused = false;
    if (SUCCEEDED(hr))
        Notify(WM_AUDIO_RECORDING_STOPPED);
    return hr;
}

HRESULT CAudioGraph::PauseRecording()
{
    return Pause(m_record, m_recordingPaused, L"Failure pausing the audio media control recording. Error:  %s",
                 WM_AUDIO_RECORDING_PAUSED);
}

HRESULT CAudioGraph::ResumeRecording()
{
    return Resume(m_record, m_recordingPaused, L"Failure resuming the audio media control recording. Error:  %s",
                  WM_AUDIO_RECORDING_RESUMED);
}

// --- Playback -------------------------------------------------------------------

HRESULT CAudioGraph::StartPlaying(const CString& file, int repeats)
{
    ClearAudioErrorText();
    m_file = file;
    m_repeatsLeft = repeats;
    m_recording = m_recordingPaused = m_playing = m_playingPaused = false;

    TearDownPlayGraph();
    HRESULT hr = CreatePlayGraph();
    if (FAILED(hr))
    {
        TearDownPlayGraph();
        return hr;
    }
    if (FAILED(hr = m_play.builder->RenderFile(m_file, nullptr)))
        return SetAudioFileFailure(L"Failure rendering the audio file '%s'. Error:  %s", m_file, hr);
    if (FAILED(hr = m_play.control->Run()))
    {
        CString text;
        text.Format(kPlayRunFailure, m_file.GetString());
        SetAudioErrorText(text);
        return hr;
    }
    m_playing = true;
    Notify(WM_AUDIO_PLAYING_STARTED);
    return hr;
}

HRESULT CAudioGraph::StopPlaying()
{
    ClearAudioErrorText();
    if (!m_play.control)
        return S_FALSE;
    const HRESULT hr = m_play.control->Stop();
    if (FAILED(hr))
        SetAudioFailure(L"Failure stopping the audio media control playback. Error:  %s", hr);
    TearDownPlayGraph();
    m_recording = m_recordingPaused = m_playing = m_playingPaused = false;
    if (SUCCEEDED(hr))
        Notify(WM_AUDIO_PLAYING_STOPPED);
    return hr;
}

HRESULT CAudioGraph::PausePlaying()
{
    return Pause(m_play, m_playingPaused, L"Failure pausing the audio media control playback. Error:  %s",
                 WM_AUDIO_PLAYING_PAUSED);
}

HRESULT CAudioGraph::ResumePlaying()
{
    return Resume(m_play, m_playingPaused, L"Failure resuming the audio media control playing. Error:  %s",
                  WM_AUDIO_PLAYING_RESUMED);
}

// --- Pause and resume -----------------------------------------------------------

HRESULT CAudioGraph::Pause(Graph& graph, bool& paused, const wchar_t* failure, UINT message)
{
    ClearAudioErrorText();
    if (!graph.control)
        return S_FALSE;
    const HRESULT hr = graph.control->Pause();
    if (FAILED(hr))
        return SetAudioFailure(failure, hr);
    // Only a pause that took place counts: a failed one leaves the graph running.
    paused = true;
    Notify(message);
    return hr;
}

HRESULT CAudioGraph::Resume(Graph& graph, bool& paused, const wchar_t* failure, UINT message)
{
    ClearAudioErrorText();
    if (!paused)
        return S_FALSE;
    const HRESULT hr = graph.control->Run();
    paused = false;
    if (FAILED(hr))
        return SetAudioFailure(failure, hr);
    Notify(message);
    return hr;
}

// --- Input pin ------------------------------------------------------------------

HRESULT CAudioGraph::GetInputPinProperties(const AudioInputPinValues& values)
{
    ClearAudioErrorText();
    const bool recording = m_recording && !m_recordingPaused;
    if (!recording && !(m_playing && !m_playingPaused))
        return 1;
    ComPtr<IAMAudioInputMixer> mixer;
    const HRESULT hr = recording ? FindInputMixer(m_captureFilter.Get(), m_pinName, mixer) : VFW_E_NOT_FOUND;
    if (FAILED(hr))
        return SetAudioFailure(L"Failure reading the properties of the audio input pin. Error:  %s", hr);
    ReadInputMixer(mixer.Get(), values);
    return S_OK;
}

// --- Events ---------------------------------------------------------------------

std::vector<CAudioGraph::GraphEvent> CAudioGraph::TakeEvents(IMediaEventEx* events, const wchar_t* freeFailure)
{
    std::vector<GraphEvent> taken;
    GraphEvent event;
    while (events && events->GetEvent(&event.code, &event.param1, &event.param2, 0) == S_OK)
    {
        const HRESULT hr = events->FreeEventParams(event.code, event.param1, event.param2);
        if (FAILED(hr))
            SetAudioFailure(freeFailure, hr);
        taken.push_back(event);
    }
    return taken;
}

void CAudioGraph::OnRecordGraphEvent()
{
    ++m_eventDepth;
    // The events are taken (and freed) before any is acted on: a device that comes back
    // rebuilds the graph they came from.
    for (const GraphEvent& event :
         TakeEvents(m_record.events.Get(), L"Failure freeing the audio recording event parameters. Error:  %s"))
    {
        if (event.code != EC_DEVICE_LOST)
            continue;
        MessageBeep(0);
        if (event.param2 == 0)
            OnDeviceRemoved();
        else
            OnDeviceReturned();
    }
    EndEvent();
}

void CAudioGraph::OnDeviceRemoved()
{
    // The stop completes the file. The device stays in the stopped record graph: its
    // return is reported through that graph.
    const HRESULT hr = StopRecording();
    TearDownPlayGraph();
    m_recording = m_recordingPaused = m_playing = m_playingPaused = false;
    if (SUCCEEDED(hr) && m_notifyTarget)
    {
        Notify(WM_AUDIO_RECORDING_STOPPED);
        SetAudioErrorText(kDeviceRemoved);
    }
}

void CAudioGraph::OnDeviceReturned()
{
    KeepRecordedPart();
    const WAVEFORMATEX format = m_format;
    if (SUCCEEDED(StartRecording(m_file, m_device, &format, m_pinName)) && m_notifyTarget)
    {
        Notify(WM_AUDIO_RECORDING_STARTED);
        SetAudioErrorText(kDeviceReattached);
    }
}

void CAudioGraph::KeepRecordedPart()
{
    const CString kept = NextFreeNumberedName(m_file);
    if (!kept.IsEmpty())
        MoveFileW(m_file, kept);
}

void CAudioGraph::OnPlayGraphEvent()
{
    ++m_eventDepth;
    for (const GraphEvent& event :
         TakeEvents(m_play.events.Get(), L"Failure freeing the audio playback event parameters. Error:  %s"))
    {
        if (event.code == EC_COMPLETE)
        {
            OnPlaybackComplete();
            break;
        }
    }
    EndEvent();
}

void CAudioGraph::OnPlaybackComplete()
{
    if (m_repeatsLeft == 0)
    {
        StopPlaying();
        if (!m_notifyTarget && m_quitOnPlaybackEnd)
            PostQuitMessage(0);
        return;
    }
    --m_repeatsLeft;
    const CString file = m_file;
    StartPlaying(file, m_repeatsLeft);
}
