#pragma once
// ISampleCaptureGraphBuilder: the video recorder's capture graph builder. It hands
// every call on to the platform's capture graph builder except where MPEG-2 is
// involved, and where the platform cannot name an output file:
// - SetOutputFileName with the MPEG-2 output subtype puts a file writer ("Dump") in
//   the graph; with another subtype the platform is asked, and when it answers
//   E_NOTIMPL for an AVI file the builder makes the pair itself: the AVI multiplexer
//   ("AVI Mux") connected to a File Writer named by that file.
// - RenderStream of MEDIATYPE_Stream connects the source's MPEG-2 output straight to
//   that writer (a capture with a sink) or to an MPEG-2 demultiplexer ("MPEG2 Demux")
//   whose "MpegVideo" and "MpegAudio" outputs it then renders (a preview).
// A source without an MPEG-2 output pin goes through a hardware encoder of the encoder
// device category (chosen by its video pin's medium), joined to the target directly or
// through a multiplexer; its sound goes to that encoder or to an audio encoder of its
// own that joins the multiplexer.
#include <strmif.h>

// {7DC2C665-4033-4CAF-9273-F7D797FB245C}
const GUID MEDIASUBTYPE_Mpeg2Output = {0x7dc2c665, 0x4033, 0x4caf, {0x92, 0x73, 0xf7, 0xd7, 0x97, 0xfb, 0x24, 0x5c}};
// The file writer put in the graph for MPEG-2 files.
// {36A5F770-FE4C-11CE-A8ED-00AA002FEAB5}
const CLSID CLSID_Mpeg2DumpWriter = {0x36a5f770, 0xfe4c, 0x11ce, {0xa8, 0xed, 0x00, 0xaa, 0x00, 0x2f, 0xea, 0xb5}};

class ISampleCaptureGraphBuilder
{
public:
    // Creates the platform builder; a failure leaves the builder without one (every
    // handed-on call then gives E_POINTER).
    ISampleCaptureGraphBuilder();
    virtual ~ISampleCaptureGraphBuilder();
    ISampleCaptureGraphBuilder(const ISampleCaptureGraphBuilder&) = delete;
    ISampleCaptureGraphBuilder& operator=(const ISampleCaptureGraphBuilder&) = delete;

    virtual HRESULT AllocCapFile(LPCOLESTR name, DWORDLONG size);
    virtual HRESULT ControlStream(const GUID* category, const GUID* type, IBaseFilter* filter, REFERENCE_TIME* start,
                                  REFERENCE_TIME* stop, WORD startCookie, WORD stopCookie);
    virtual HRESULT CopyCaptureFile(LPOLESTR oldName, LPOLESTR newName, int allowEscape,
                                    IAMCopyCaptureFileProgress* callback);
    virtual HRESULT FindInterface(const GUID* category, const GUID* type, IBaseFilter* filter, REFIID interfaceId,
                                  void** object);
    virtual HRESULT FindPin(IUnknown* source, PIN_DIRECTION direction, const GUID* category, const GUID* type,
                            BOOL unconnected, int index, IPin** pin);
    virtual HRESULT GetFiltergraph(IGraphBuilder** graph);
    virtual HRESULT RenderStream(const GUID* category, const GUID* type, IUnknown* source, IBaseFilter* intermediate,
                                 IBaseFilter* sink);
    virtual HRESULT SetFiltergraph(IGraphBuilder* graph);
    virtual HRESULT SetOutputFileName(const GUID* subtype, LPCOLESTR name, IBaseFilter** multiplexer,
                                      IFileSinkFilter** sink);

    // Releases the filters of the MPEG-2 route (the writer or demultiplexer taken).
    void ReleaseRouteFilters();

private:
    HRESULT EnsureGraph();
    HRESULT MakeAviPair(LPCOLESTR name, IBaseFilter** multiplexer, IFileSinkFilter** sink);
    HRESULT RenderMpeg2(IUnknown* source, IBaseFilter* sink);
    HRESULT BuildMpeg2Segment(IBaseFilter* source);
    HRESULT ConfigureDemultiplexer();
    // Removes the MPEG-2 target from the graph and releases it.
    void DropTarget();

    // The hardware-encoder route.
    HRESULT RouteThroughEncoder(IBaseFilter* source);
    // Puts the first encoder that takes the pin's stream and passes it on into the graph
    // under name: a video encoder joins the target, an audio encoder the multiplexer.
    HRESULT TakeEncoder(IPin* pin, const wchar_t* name, bool video, IBaseFilter** taken);
    HRESULT TryEncoder(IBaseFilter* candidate, IPin* pin, const wchar_t* name, bool video);
    // Connects the filter's output to the target directly or through a multiplexer.
    HRESULT JoinToTarget(IBaseFilter* filter);

    IBaseFilter* m_target = nullptr;
    // The multiplexer and the video encoder that the encoder route took.
    IBaseFilter* m_multiplexer = nullptr;
    IBaseFilter* m_encoder = nullptr;
    ICaptureGraphBuilder2* m_platform = nullptr;
    IGraphBuilder* m_graph = nullptr;
    DWORD m_videoStreamId = 0xE0;
    DWORD m_audioStreamId = 0xC0;
};
