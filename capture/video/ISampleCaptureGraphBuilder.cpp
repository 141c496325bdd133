#include "capture/video/ISampleCaptureGraphBuilder.h"

#include "capture/video/ComPtr.h"
#include "capture/video/Mpeg2Blocks.h"
#include "common/DirectShowHelpers.h"
#include "common/DirectShowUtilities.h"

#include <ks.h>
#include <ksmedia.h>
#include <uuids.h>
#include <vfwmsgs.h>

// The first method of a kernel-streaming pin's interface (IID_IKsPin), which the
// headers declare only beside the platform's filter base classes: the pin's mediums.
// Outside the unnamed namespace: the objects that implement it live in other modules,
// and a type of this file alone would let the compiler assume none exists.
struct IKsPinMediums : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE KsQueryMediums(KSMULTIPLE_ITEM** list) = 0;
};

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
// The pin's medium: the first whose set is neither GUID_NULL nor the standard one; all
// zero when it has none (or tells none).
KSPIN_MEDIUM PinMedium(IPin* pin)
{
    KSPIN_MEDIUM found{};
    ComPtr<IKsPinMediums> ksPin;
    KSMULTIPLE_ITEM* list = nullptr;
    if (FAILED(pin->QueryInterface(IID_IKsPin, reinterpret_cast<void**>(ksPin.Receive()))) ||
        FAILED(ksPin->KsQueryMediums(&list)) || !list)
        return found;
    const auto* mediums = reinterpret_cast<const KSPIN_MEDIUM*>(list + 1);
    for (ULONG i = 0; i < list->Count; ++i)
        if (mediums[i].Set != GUID_NULL && mediums[i].Set != KSMEDIUMSETID_Standard)
        {
            found = mediums[i];
            break;
        }
    CoTaskMemFree(list);
    return found;
}

bool SameMedium(const KSPIN_MEDIUM& a, const KSPIN_MEDIUM& b)
{
    return a.Set == b.Set && a.Id == b.Id && a.Flags == b.Flags;
}

bool HasPinOfMedium(IBaseFilter* filter, const KSPIN_MEDIUM& medium)
{
    ComPtr<IEnumPins> pins;
    if (FAILED(filter->EnumPins(pins.Receive())))
        return false;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.Receive(), nullptr) == S_OK)
        if (SameMedium(PinMedium(pin.Get()), medium))
            return true;
    return false;
}

// The filters of a device category, bound in the enumerator's order.
std::vector<ComPtr<IBaseFilter>> DevicesOf(REFCLSID category)
{
    std::vector<ComPtr<IBaseFilter>> filters;
    ComPtr<IEnumMoniker> devices;
    if (EnumerateDevices(category, devices.Receive()) != S_OK)
        return filters;
    ComPtr<IMoniker> device;
    while (devices->Next(1, device.Receive(), nullptr) == S_OK)
    {
        ComPtr<IBaseFilter> filter;
        if (SUCCEEDED(device->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(filter.Receive()))))
            filters.push_back(filter);
    }
    return filters;
}

// The first registered filter with an input pin of that medium, created; null when none.
ComPtr<IBaseFilter> FilterOfMedium(const KSPIN_MEDIUM& medium)
{
    ComPtr<IBaseFilter> filter;
    ComPtr<IFilterMapper2> mapper;
    ComPtr<IEnumMoniker> matches;
    ComPtr<IMoniker> match;
    REGPINMEDIUM wanted = {medium.Set, medium.Id, medium.Flags};
    if (SUCCEEDED(CoCreateInstance(CLSID_FilterMapper2, nullptr, CLSCTX_INPROC_SERVER, IID_IFilterMapper2,
                                   reinterpret_cast<void**>(mapper.Receive()))) &&
        SUCCEEDED(mapper->EnumMatchingFilters(matches.Receive(), 0, FALSE, 0, TRUE, 0, nullptr, &wanted, nullptr,
                                              FALSE, FALSE, 0, nullptr, nullptr, nullptr)) &&
        matches && matches->Next(1, match.Receive(), nullptr) == S_OK)
        match->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(filter.Receive()));
    return filter;
}

// Connects an output pin of from to an input pin of to, directly.
HRESULT ConnectDirectly(IGraphBuilder* graph, IBaseFilter* from, IBaseFilter* to)
{
    const int outputs = CountPins(from, PINDIR_OUTPUT);
    for (int index = 0; index < outputs; ++index)
    {
        ComPtr<IPin> output;
        if (SUCCEEDED(GetPin(from, PINDIR_OUTPUT, index, output.Receive())) &&
            SUCCEEDED(ConnectToTarget(graph, output.Get(), to)))
            return S_OK;
    }
    return E_FAIL;
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
    ReleaseRouteFilters();
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
    if (SUCCEEDED(FindMpeg2Pin(source, pin.Receive())))
        result = ConnectToTarget(m_graph, pin.Get(), m_target);
    else
        result = RouteThroughEncoder(source);
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
    ReleaseInterface(m_encoder);
    ReleaseInterface(m_multiplexer);
    ReleaseInterface(m_target);
}

HRESULT ISampleCaptureGraphBuilder::RouteThroughEncoder(IBaseFilter* source)
{
    ComPtr<IPin> video, audio;
    if (FindPinByMajorType(source, MEDIATYPE_Video, video.Receive()) != S_OK)
        return E_FAIL;
    HRESULT result = TakeEncoder(video.Get(), L"Encoder", true, &m_encoder);
    if (FAILED(result) || FindPinByMajorType(source, MEDIATYPE_Audio, audio.Receive()) != S_OK)
        return result;
    // The sound goes into the video encoder when it takes it, else through an encoder of
    // its own into the multiplexer.
    if (SUCCEEDED(ConnectToTarget(m_graph, audio.Get(), m_encoder)))
        return S_OK;
    ComPtr<IBaseFilter> audioEncoder;
    return TakeEncoder(audio.Get(), L"Audio Encoder", false, audioEncoder.Receive());
}

HRESULT ISampleCaptureGraphBuilder::TakeEncoder(IPin* pin, const wchar_t* name, bool video, IBaseFilter** taken)
{
    const KSPIN_MEDIUM medium = PinMedium(pin);
    const bool anyEncoder = medium.Set == GUID_NULL;
    std::vector<ComPtr<IBaseFilter>> candidates;
    for (ComPtr<IBaseFilter>& encoder : DevicesOf(KSCATEGORY_ENCODER))
        if (anyEncoder || (candidates.empty() && HasPinOfMedium(encoder.Get(), medium)))
            candidates.push_back(encoder);
    // A device of the medium that cannot be used gives way to a filter registered for it.
    if (!anyEncoder)
        if (ComPtr<IBaseFilter> registered = FilterOfMedium(medium))
            candidates.push_back(registered);
    for (ComPtr<IBaseFilter>& candidate : candidates)
        if (SUCCEEDED(TryEncoder(candidate.Get(), pin, name, video)))
        {
            *taken = candidate.Detach();
            return S_OK;
        }
    return E_FAIL;
}

HRESULT ISampleCaptureGraphBuilder::TryEncoder(IBaseFilter* candidate, IPin* pin, const wchar_t* name, bool video)
{
    HRESULT result = m_graph->AddFilter(candidate, name);
    if (FAILED(result))
        return result;
    result = ConnectToTarget(m_graph, pin, candidate);
    if (SUCCEEDED(result))
        result = video ? JoinToTarget(candidate)
                       : (m_multiplexer ? ConnectDirectly(m_graph, candidate, m_multiplexer) : E_FAIL);
    if (FAILED(result))
        m_graph->RemoveFilter(candidate);
    return result;
}

HRESULT ISampleCaptureGraphBuilder::JoinToTarget(IBaseFilter* filter)
{
    if (SUCCEEDED(ConnectDirectly(m_graph, filter, m_target)))
        return S_OK;
    for (ComPtr<IBaseFilter>& multiplexer : DevicesOf(CLSID_MediaMultiplexerCategory))
    {
        if (FAILED(m_graph->AddFilter(multiplexer.Get(), nullptr)))
            continue;
        // A multiplexer that takes the stream but cannot reach the target stays.
        if (FAILED(ConnectDirectly(m_graph, filter, multiplexer.Get())))
            m_graph->RemoveFilter(multiplexer.Get());
        else if (SUCCEEDED(ConnectDirectly(m_graph, multiplexer.Get(), m_target)))
        {
            ReleaseInterface(m_multiplexer);
            m_multiplexer = multiplexer.Detach();
            return S_OK;
        }
    }
    return E_FAIL;
}
