#include "capture/video/ISampleCaptureGraphBuilder.h"

#include "capture/video/ComPtr.h"
#include "capture/video/Mpeg2Blocks.h"
#include "common/DirectShowHelpers.h"

#include <uuids.h>
#include <vfwmsgs.h>

namespace
{
// The platform's AVI multiplexer: {E2510970-F137-11CE-8B67-00AA00A3F1A6}.
const CLSID kAviMux = {0xe2510970, 0xf137, 0x11ce, {0x8b, 0x67, 0x00, 0xaa, 0x00, 0xa3, 0xf1, 0xa6}};

bool IsMpeg2Type(const AM_MEDIA_TYPE& type)
{
    return (type.majortype == MEDIATYPE_Video || type.majortype == MEDIATYPE_Stream) &&
           (type.subtype == MEDIASUBTYPE_MPEG2_VIDEO || type.subtype == MEDIASUBTYPE_MPEG2_PROGRAM);
}

// The first output pin of the filter that offers an MPEG-2 type.
HRESULT FindMpeg2Pin(IBaseFilter* filter, IPin** found)
{
    ComPtr<IEnumPins> pins;
    HRESULT result = filter->EnumPins(pins.Receive());
    if (FAILED(result))
        return result;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.Receive(), nullptr) == S_OK)
    {
        PIN_DIRECTION direction;
        ComPtr<IEnumMediaTypes> types;
        if (FAILED(pin->QueryDirection(&direction)) || direction != PINDIR_OUTPUT ||
            FAILED(pin->EnumMediaTypes(types.Receive())))
            continue;
        AM_MEDIA_TYPE* type = nullptr;
        bool mpeg2 = false;
        while (!mpeg2 && types->Next(1, &type, nullptr) == S_OK)
        {
            mpeg2 = IsMpeg2Type(*type);
            DeleteMediaType(type);
        }
        if (mpeg2)
        {
            *found = pin.Detach();
            return S_OK;
        }
    }
    return VFW_E_NOT_FOUND;
}

// Connects the pin to the first input pin of the target that takes it.
HRESULT ConnectToTarget(IGraphBuilder* graph, IPin* output, IBaseFilter* target)
{
    ComPtr<IEnumPins> pins;
    if (FAILED(target->EnumPins(pins.Receive())))
        return E_FAIL;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.Receive(), nullptr) == S_OK)
    {
        PIN_DIRECTION direction;
        if (SUCCEEDED(pin->QueryDirection(&direction)) && direction == PINDIR_INPUT &&
            SUCCEEDED(graph->ConnectDirect(output, pin.Get(), nullptr)))
            return S_OK;
    }
    return E_FAIL;
}

HRESULT CreateOutputPin(IMpeg2Demultiplexer* demultiplexer, const wchar_t* name, REFGUID major, REFGUID subtype,
                        REFGUID formatType, std::vector<BYTE> block, DWORD streamId)
{
    AM_MEDIA_TYPE type{};
    type.majortype = major;
    type.subtype = subtype;
    type.bFixedSizeSamples = TRUE;
    type.formattype = formatType;
    type.cbFormat = static_cast<ULONG>(block.size());
    type.pbFormat = block.data();
    ComPtr<IPin> pin;
    HRESULT result = demultiplexer->CreateOutputPin(&type, const_cast<LPWSTR>(name), pin.Receive());
    if (FAILED(result))
        return result;
    ComPtr<IMPEG2StreamIdMap> map;
    result = pin.QueryInto(IID_IMPEG2StreamIdMap, map);
    return SUCCEEDED(result) ? map->MapStreamId(streamId, MPEG2_PROGRAM_ELEMENTARY_STREAM, 0, 0) : result;
}
} // namespace

ISampleCaptureGraphBuilder::ISampleCaptureGraphBuilder()
{
    if (FAILED(CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER |
                                                                        CLSCTX_REMOTE_SERVER,
                                IID_ICaptureGraphBuilder2, reinterpret_cast<void**>(&m_platform))))
        m_platform = nullptr;
}

ISampleCaptureGraphBuilder::~ISampleCaptureGraphBuilder()
{
    if (m_graph)
        m_graph->Release();
    if (m_platform)
        m_platform->Release();
    if (m_target)
        m_target->Release();
}

#define HAND_ON(call) return m_platform ? m_platform->call : E_POINTER

HRESULT ISampleCaptureGraphBuilder::AllocCapFile(LPCOLESTR name, DWORDLONG size)
{
    HAND_ON(AllocCapFile(name, size));
}

HRESULT ISampleCaptureGraphBuilder::ControlStream(const GUID* category, const GUID* type, IBaseFilter* filter,
                                                  REFERENCE_TIME* start, REFERENCE_TIME* stop, WORD startCookie,
                                                  WORD stopCookie)
{
    HAND_ON(ControlStream(category, type, filter, start, stop, startCookie, stopCookie));
}

HRESULT ISampleCaptureGraphBuilder::CopyCaptureFile(LPOLESTR oldName, LPOLESTR newName, int allowEscape,
                                                    IAMCopyCaptureFileProgress* callback)
{
    HAND_ON(CopyCaptureFile(oldName, newName, allowEscape, callback));
}

HRESULT ISampleCaptureGraphBuilder::FindInterface(const GUID* category, const GUID* type, IBaseFilter* filter,
                                                  REFIID interfaceId, void** object)
{
    HAND_ON(FindInterface(category, type, filter, interfaceId, object));
}

HRESULT ISampleCaptureGraphBuilder::FindPin(IUnknown* source, PIN_DIRECTION direction, const GUID* category,
                                            const GUID* type, BOOL unconnected, int index, IPin** pin)
{
    HAND_ON(FindPin(source, direction, category, type, unconnected, index, pin));
}

HRESULT ISampleCaptureGraphBuilder::GetFiltergraph(IGraphBuilder** graph)
{
    HAND_ON(GetFiltergraph(graph));
}

HRESULT ISampleCaptureGraphBuilder::SetFiltergraph(IGraphBuilder* graph)
{
    HAND_ON(SetFiltergraph(graph));
}

HRESULT ISampleCaptureGraphBuilder::RenderStream(const GUID* category, const GUID* type, IUnknown* source,
                                                 IBaseFilter* intermediate, IBaseFilter* sink)
{
    if (type && *type == MEDIATYPE_Stream)
        return RenderMpeg2(source, sink);
    HAND_ON(RenderStream(category, type, source, intermediate, sink));
}

HRESULT ISampleCaptureGraphBuilder::EnsureGraph()
{
    return m_graph ? S_OK : GetFiltergraph(&m_graph);
}

HRESULT ISampleCaptureGraphBuilder::SetOutputFileName(const GUID* subtype, LPCOLESTR name, IBaseFilter** multiplexer,
                                                      IFileSinkFilter** sink)
{
    if (!subtype || !name || !multiplexer || !sink)
        return E_INVALIDARG;
    if (*subtype != MEDIASUBTYPE_Mpeg2Output)
    {
        HRESULT result = m_platform ? m_platform->SetOutputFileName(subtype, name, multiplexer, sink) : E_POINTER;
        return result == E_NOTIMPL && *subtype == MEDIASUBTYPE_Avi ? MakeAviPair(name, multiplexer, sink) : result;
    }
    HRESULT result = EnsureGraph();
    ComPtr<IFileSinkFilter> writer;
    if (SUCCEEDED(result))
        result = CoCreateInstance(CLSID_Mpeg2DumpWriter, nullptr, CLSCTX_INPROC_SERVER, IID_IFileSinkFilter,
                                  reinterpret_cast<void**>(writer.Receive()));
    if (SUCCEEDED(result))
        result = writer->SetFileName(name, nullptr);
    if (SUCCEEDED(result))
        result = writer->QueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(&m_target));
    if (SUCCEEDED(result) && FAILED(result = m_graph->AddFilter(m_target, L"Dump")))
    {
        m_target->Release();
        m_target = nullptr;
    }
    if (SUCCEEDED(result))
        *sink = writer.Detach();
    return result;
}

// The AVI multiplexer ("AVI Mux") and a File Writer named by its file, connected, as the
// platform's builder makes them.
HRESULT ISampleCaptureGraphBuilder::MakeAviPair(LPCOLESTR name, IBaseFilter** multiplexer, IFileSinkFilter** sink)
{
    ComPtr<IBaseFilter> mux, writer;
    ComPtr<IFileSinkFilter> fileSink;
    ComPtr<IPin> output, input;
    HRESULT result = EnsureGraph();
    if (SUCCEEDED(result))
        result = CoCreateInstance(kAviMux, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                  reinterpret_cast<void**>(mux.Receive()));
    if (SUCCEEDED(result))
        result = CoCreateInstance(CLSID_FileWriter, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                  reinterpret_cast<void**>(writer.Receive()));
    if (SUCCEEDED(result))
        result = writer.QueryInto(IID_IFileSinkFilter, fileSink);
    if (SUCCEEDED(result))
        result = fileSink->SetFileName(name, nullptr);
    if (SUCCEEDED(result))
        result = m_graph->AddFilter(mux.Get(), L"AVI Mux");
    if (SUCCEEDED(result))
        result = m_graph->AddFilter(writer.Get(), name);
    if (SUCCEEDED(result))
        result = m_platform->FindPin(mux.Get(), PINDIR_OUTPUT, nullptr, nullptr, TRUE, 0, output.Receive());
    if (SUCCEEDED(result))
        result = m_platform->FindPin(writer.Get(), PINDIR_INPUT, nullptr, nullptr, TRUE, 0, input.Receive());
    if (SUCCEEDED(result))
        result = m_graph->ConnectDirect(output.Get(), input.Get(), nullptr);
    if (FAILED(result))
    {
        if (mux)
            m_graph->RemoveFilter(mux.Get());
        if (writer)
            m_graph->RemoveFilter(writer.Get());
        return result;
    }
    *multiplexer = mux.Detach();
    *sink = fileSink.Detach();
    return S_OK;
}

HRESULT ISampleCaptureGraphBuilder::RenderMpeg2(IUnknown* source, IBaseFilter* sink)
{
    HRESULT result = EnsureGraph();
    if (FAILED(result))
        return result;
    ComPtr<IBaseFilter> filter;
    if (!source || FAILED(source->QueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(filter.Receive()))))
        return E_INVALIDARG;
    result = BuildMpeg2Segment(filter.Get());
    if (sink || FAILED(result))
        return result;
    if (FAILED(result = ConfigureDemultiplexer()))
        return result;
    result = m_platform->RenderStream(nullptr, &MEDIATYPE_Video, m_target, nullptr, nullptr);
    if (SUCCEEDED(result))
        result = m_platform->RenderStream(nullptr, &MEDIATYPE_Audio, m_target, nullptr, nullptr);
    return FAILED(result) ? result : S_OK;
}

HRESULT ISampleCaptureGraphBuilder::BuildMpeg2Segment(IBaseFilter* source)
{
    HRESULT result = S_OK;
    if (!m_target)
    {
        result = CoCreateInstance(CLSID_MPEG2Demultiplexer, nullptr, CLSCTX_INPROC_SERVER, IID_IBaseFilter,
                                  reinterpret_cast<void**>(&m_target));
        if (FAILED(result))
        {
            m_target = nullptr;
            return result;
        }
        if (FAILED(result = m_graph->AddFilter(m_target, L"MPEG2 Demux")))
        {
            m_target->Release();
            m_target = nullptr;
            return result;
        }
    }
    ComPtr<IPin> pin;
    result = FindMpeg2Pin(source, pin.Receive());
    if (SUCCEEDED(result))
        result = ConnectToTarget(m_graph, pin.Get(), m_target);
    else
        result = E_FAIL; // no MPEG-2 output and no encoder route
    if (FAILED(result))
        DropTarget();
    return result;
}

HRESULT ISampleCaptureGraphBuilder::ConfigureDemultiplexer()
{
    ComPtr<IMpeg2Demultiplexer> demultiplexer;
    HRESULT result = m_target->QueryInterface(IID_IMpeg2Demultiplexer, reinterpret_cast<void**>(demultiplexer.Receive()));
    if (SUCCEEDED(result))
        result = CreateOutputPin(demultiplexer.Get(), L"MpegVideo", MEDIATYPE_Video, MEDIASUBTYPE_MPEG2_VIDEO,
                                 FORMAT_MPEG2Video, Mpeg2VideoBlock(), m_videoStreamId);
    if (SUCCEEDED(result))
        result = CreateOutputPin(demultiplexer.Get(), L"MpegAudio", MEDIATYPE_Audio, MEDIASUBTYPE_MPEG2_AUDIO,
                                 FORMAT_WaveFormatEx, Mpeg2AudioBlock(), m_audioStreamId);
    return result;
}

void ISampleCaptureGraphBuilder::DropTarget()
{
    if (!m_target)
        return;
    if (m_graph)
        m_graph->RemoveFilter(m_target);
    m_target->Release();
    m_target = nullptr;
}

void ISampleCaptureGraphBuilder::ReleaseRouteFilters()
{
    if (m_target)
        m_target->Release();
    m_target = nullptr;
}
