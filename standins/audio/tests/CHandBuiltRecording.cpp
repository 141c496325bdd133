#include "standins/audio/tests/CHandBuiltRecording.h"

#include "common/DirectShowHelpers.h"
#include "standins/audio/TestAudioIds.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

namespace
{
template <class T> HRESULT Create(REFCLSID classId, REFIID interfaceId, CKitRef<T>& object)
{
    return CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, interfaceId,
                            reinterpret_cast<void**>(object.Receive()));
}

// Asks the capture pin for six buffers of 50 ms and the format.
HRESULT ConfigurePin(IPin* pin, const WAVEFORMATEX& format)
{
    CKitRef<IPin> held(pin);
    CKitRef<IAMBufferNegotiation> negotiation;
    CKitRef<IAMStreamConfig> config;
    HRESULT result = held.QueryInto(IID_IAMBufferNegotiation, negotiation);
    if (SUCCEEDED(result))
        result = held.QueryInto(IID_IAMStreamConfig, config);
    if (FAILED(result))
        return result;
    ALLOCATOR_PROPERTIES buffers{6, static_cast<long>(format.nAvgBytesPerSec / 20), format.nBlockAlign, 0};
    AM_MEDIA_TYPE* type = nullptr;
    if (FAILED(result = negotiation->SuggestAllocatorProperties(&buffers)) ||
        FAILED(result = config->GetFormat(&type)))
        return result;
    *reinterpret_cast<WAVEFORMATEX*>(type->pbFormat) = format;
    result = config->SetFormat(type);
    CoTaskMemFree(type->pbFormat);
    CoTaskMemFree(type);
    return result;
}
} // namespace

bool CHandBuiltRecording::AddDevice(const WAVEFORMATEX& format, const wchar_t* input)
{
    EXPECT_HRESULT_SUCCEEDED(Create(CLSID_FilterGraph, IID_IGraphBuilder, m_graph));
    if (!m_graph)
        return false;
    CKitRef<IMoniker> moniker;
    *moniker.Receive() = FindDeviceFilter(nullptr, CLSID_AudioInputDeviceCategory, kTestAudioDeviceName);
    EXPECT_TRUE(moniker) << "The device enumerator does not list the test audio device.";
    if (!moniker)
        return false;
    HRESULT result = moniker->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(m_device.Receive()));
    if (SUCCEEDED(result))
        result = m_graph->AddFilter(m_device.Get(), L"Audio Capture");
    if (SUCCEEDED(result))
        result = GetPin(m_device.Get(), PINDIR_OUTPUT, 0, m_capture.Receive());
    if (SUCCEEDED(result))
        result = ConfigurePin(m_capture.Get(), format);
    m_recorded = m_capture;
    EXPECT_HRESULT_SUCCEEDED(result) << "The test audio device could not be added and set up.";
    FindPinByName(m_device.Get(), input);
    return SUCCEEDED(result);
}

bool CHandBuiltRecording::RenderToFile(const CString& file)
{
    CKitRef<IBaseFilter> writer;
    CKitRef<IBaseFilter> fileWriter;
    CKitRef<IFileSinkFilter> sink;
    HRESULT result = Create(CLSID_WavDest, IID_IBaseFilter, writer);
    if (SUCCEEDED(result))
        result = Create(CLSID_FileWriter, IID_IBaseFilter, fileWriter);
    if (SUCCEEDED(result))
        result = fileWriter.QueryInto(IID_IFileSinkFilter, sink);
    if (SUCCEEDED(result))
        result = m_graph->AddFilter(writer.Get(), L"WAV Dest");
    if (SUCCEEDED(result))
        result = m_graph->AddFilter(fileWriter.Get(), L"File Writer");
    if (SUCCEEDED(result))
        result = sink->SetFileName(file, nullptr);
    if (SUCCEEDED(result))
        result = m_graph->Render(m_recorded.Get());
    EXPECT_HRESULT_SUCCEEDED(result) << "The capture pin could not be rendered into the wave file.";
    return SUCCEEDED(result);
}

bool CHandBuiltRecording::RenderPreview()
{
    CKitRef<ICaptureGraphBuilder2> builder;
    CKitRef<IBaseFilter> tee;
    HRESULT result = Create(CLSID_CaptureGraphBuilder2, IID_ICaptureGraphBuilder2, builder);
    if (SUCCEEDED(result))
        result = builder->SetFiltergraph(m_graph.Get());
    if (SUCCEEDED(result))
        result = builder->RenderStream(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Audio, m_device.Get(), nullptr, nullptr);
    EXPECT_EQ(VFW_S_NOPREVIEWPIN, result) << "The preview was not rendered through a Smart Tee.";
    // Wine's builder adds the Smart Tee without its name: it is the filter after the
    // capture pin, and its capture output is its first output.
    CKitRef<IPin> teeInput;
    PIN_INFO info{};
    if (SUCCEEDED(result))
        result = m_capture->ConnectedTo(teeInput.Receive());
    if (SUCCEEDED(result))
        result = teeInput->QueryPinInfo(&info);
    *tee.Receive() = info.pFilter;
    if (SUCCEEDED(result))
        result = GetPin(tee.Get(), PINDIR_OUTPUT, 0, m_recorded.Receive());
    EXPECT_HRESULT_SUCCEEDED(result) << "The Smart Tee's capture output was not found.";
    return SUCCEEDED(result);
}

bool CHandBuiltRecording::RenderTo(IBaseFilter* sink)
{
    HRESULT result = m_graph->AddFilter(sink, L"Sink");
    if (SUCCEEDED(result))
        result = m_graph->Render(m_capture.Get());
    EXPECT_HRESULT_SUCCEEDED(result) << "The capture pin could not be rendered into the sink.";
    return SUCCEEDED(result);
}

HRESULT CHandBuiltRecording::Run()
{
    CKitRef<IMediaControl> control;
    HRESULT result = m_graph.QueryInto(IID_IMediaControl, control);
    return SUCCEEDED(result) ? control->Run() : result;
}

HRESULT CHandBuiltRecording::Stop()
{
    CKitRef<IMediaControl> control;
    HRESULT result = m_graph.QueryInto(IID_IMediaControl, control);
    return SUCCEEDED(result) ? control->Stop() : result;
}

bool CHandBuiltRecording::WaitForEvent(long code, LONG_PTR& param1, LONG_PTR& param2)
{
    CKitRef<IMediaEvent> events;
    if (FAILED(m_graph.QueryInto(IID_IMediaEvent, events)))
        return false;
    bool found = false;
    PumpUntil([&] {
        long got = 0;
        while (!found && events->GetEvent(&got, &param1, &param2, 0) == S_OK)
        {
            found = got == code;
            events->FreeEventParams(got, param1, param2);
        }
        return found;
    });
    return found;
}
