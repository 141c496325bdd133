#include "standins/camera/CAviMux.h"

#include "standins/camera/TestCameraIds.h"
#include "standins/filterkit/CKitRef.h"
#include "standins/filterkit/KitMediaType.h"

#include <algorithm>
#include <amvideo.h>
#include <new>
#include <uuids.h>

namespace
{
constexpr long kSmallestPiece = 64 * 1024;

const VIDEOINFOHEADER* VideoInfoOf(const AM_MEDIA_TYPE& type)
{
    if (type.formattype != FORMAT_VideoInfo || type.cbFormat < sizeof(VIDEOINFOHEADER) || !type.pbFormat)
        return nullptr;
    return reinterpret_cast<const VIDEOINFOHEADER*>(type.pbFormat);
}
} // namespace

CAviMuxInputPin::CAviMuxInputPin(CAviMux* mux, const wchar_t* name, int stream)
    : CKitInputPin(mux, name), m_mux(mux), m_stream(stream)
{
}

// Input 1 takes uncompressed video (also carried as an interleaved stream), input 2 PCM.
HRESULT CAviMuxInputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    if (m_stream == 1)
        return KitPcmFormatOf(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    const VIDEOINFOHEADER* info = VideoInfoOf(*type);
    const bool video = type->majortype == MEDIATYPE_Video || type->majortype == MEDIATYPE_Interleaved;
    return video && info && info->bmiHeader.biCompression == BI_RGB ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAviMuxInputPin::OnReceive(IMediaSample* sample)
{
    return m_mux->WriteSample(m_stream, sample);
}

HRESULT CAviMuxInputPin::OnEndOfStream()
{
    return S_OK;
}

CAviMuxOutputPin::CAviMuxOutputPin(CAviMux* mux) : CKitOutputPin(mux, L"AVI Out") {}

HRESULT CAviMuxOutputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return type->majortype == MEDIATYPE_Stream && (type->subtype == MEDIASUBTYPE_Avi || type->subtype == GUID_NULL)
               ? S_OK
               : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CAviMuxOutputPin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index != 0)
        return VFW_S_NO_MORE_ITEMS;
    AM_MEDIA_TYPE stream{};
    stream.majortype = MEDIATYPE_Stream;
    stream.subtype = MEDIASUBTYPE_Avi;
    stream.formattype = FORMAT_None;
    stream.lSampleSize = 1;
    return KitCopyMediaType(type, &stream);
}

HRESULT CAviMuxOutputPin::DecideBufferSize(ALLOCATOR_PROPERTIES& properties)
{
    properties.cbBuffer = std::max(properties.cbBuffer, static_cast<CAviMux*>(Filter())->LargestPiece());
    properties.cBuffers = std::max(properties.cBuffers, 2L);
    properties.cbAlign = std::max(properties.cbAlign, 1L);
    return S_OK;
}

IUnknown* CAviMux::Create()
{
    return static_cast<IBaseFilter*>(new (std::nothrow) CAviMux());
}

CAviMux::CAviMux()
    : CKitFilter(CLSID_TestAviMux), m_video(this, L"Input 01", 0), m_sound(this, L"Input 02", 1), m_output(this)
{
    InitializeCriticalSection(&m_writeLock);
}

CAviMux::~CAviMux()
{
    DeleteCriticalSection(&m_writeLock);
}

HRESULT CAviMux::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitFilter::QueryInterface(interfaceId, object);
}

ULONG CAviMux::AddRef()
{
    return CKitFilter::AddRef();
}

ULONG CAviMux::Release()
{
    return CKitFilter::Release();
}

HRESULT CAviMux::QueryFilterInterface(REFIID interfaceId, void** object)
{
    if (interfaceId != IID_IConfigAviMux)
        return E_NOINTERFACE;
    *object = static_cast<IConfigAviMux*>(this);
    AddRef();
    return S_OK;
}

// -1 (none), 0 (video) or 1 (sound, only with a sound input connected).
HRESULT CAviMux::SetMasterStream(LONG stream)
{
    if (stream < -1 || stream > 1 || (stream == 1 && !m_sound.IsConnected()))
        return E_INVALIDARG;
    m_masterStream = stream;
    return S_OK;
}

HRESULT CAviMux::GetMasterStream(LONG* stream)
{
    if (!stream)
        return E_POINTER;
    *stream = m_masterStream;
    return S_OK;
}

HRESULT CAviMux::SetOutputCompatibilityIndex(BOOL oldIndex)
{
    m_oldIndex = oldIndex;
    return S_OK;
}

HRESULT CAviMux::GetOutputCompatibilityIndex(BOOL* oldIndex)
{
    if (!oldIndex)
        return E_POINTER;
    *oldIndex = m_oldIndex;
    return S_OK;
}

int CAviMux::PinCount()
{
    return 3;
}

CKitPin* CAviMux::PinAt(int index)
{
    switch (index)
    {
    case 0:
        return &m_video;
    case 1:
        return &m_sound;
    case 2:
        return &m_output;
    default:
        return nullptr;
    }
}

long CAviMux::LargestPiece() const
{
    long largest = kSmallestPiece;
    if (m_video.IsConnected())
        largest = std::max(largest, static_cast<long>(m_video.MediaType().lSampleSize) + 16);
    if (const VIDEOINFOHEADER* info = m_video.IsConnected() ? VideoInfoOf(m_video.MediaType()) : nullptr)
        largest = std::max(largest, static_cast<long>(info->bmiHeader.biSizeImage) + 16);
    return largest;
}

HRESULT CAviMux::OnActivate()
{
    const VIDEOINFOHEADER* info = m_video.IsConnected() ? VideoInfoOf(m_video.MediaType()) : nullptr;
    if (!info || !m_output.IsConnected())
        return VFW_E_NOT_CONNECTED;
    HRESULT result = m_output.Activate();
    if (FAILED(result))
        return result;
    EnterCriticalSection(&m_writeLock);
    m_layout.Start(info->bmiHeader, info->AvgTimePerFrame,
                   m_sound.IsConnected() ? KitPcmFormatOf(&m_sound.MediaType()) : nullptr);
    m_writerGone = false;
    m_headerSent = false;
    m_writing = true;
    LeaveCriticalSection(&m_writeLock);
    return S_OK;
}

// The index and the final header end the file. The graph may have stopped the writer
// first (it stops filters from the writer upstream): its file is then closed, and the
// mux finishes the file itself, without the chunks that did not reach it.
void CAviMux::OnDeactivate()
{
    EnterCriticalSection(&m_writeLock);
    if (m_writing && m_headerSent)
    {
        CKitRef<IBaseFilter> writer;
        *writer.Receive() = WriterFilter();
        FILTER_STATE state = State_Stopped;
        if (writer)
            writer->GetState(0, &state);
        if (state == State_Stopped || !SendBytes(m_layout.Index(), m_layout.NextOffset()) ||
            !SendBytes(m_layout.Header(), 0))
            FinishFile(writer.Get());
    }
    m_writing = false;
    LeaveCriticalSection(&m_writeLock);
    m_output.Deactivate();
}

IBaseFilter* CAviMux::WriterFilter()
{
    PIN_INFO info{};
    IPin* peer = m_output.ConnectedPin();
    return peer && SUCCEEDED(peer->QueryPinInfo(&info)) ? info.pFilter : nullptr;
}

// The writer is known by its file name, as the capture graph builder names it.
void CAviMux::FinishFile(IBaseFilter* writer)
{
    FILTER_INFO info{};
    if (!writer || FAILED(writer->QueryFilterInfo(&info)))
        return;
    if (info.pGraph)
        info.pGraph->Release();
    HANDLE file = CreateFileW(info.achName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER size{};
    GetFileSizeEx(file, &size);
    m_layout.TrimTo(size.QuadPart);
    LARGE_INTEGER at;
    at.QuadPart = m_layout.NextOffset();
    DWORD written = 0;
    const std::vector<BYTE> index = m_layout.Index();
    const std::vector<BYTE> header = m_layout.Header();
    if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
        WriteFile(file, index.data(), static_cast<DWORD>(index.size()), &written, nullptr) && SetEndOfFile(file))
    {
        at.QuadPart = 0;
        SetFilePointerEx(file, at, nullptr, FILE_BEGIN);
        WriteFile(file, header.data(), static_cast<DWORD>(header.size()), &written, nullptr);
    }
    CloseHandle(file);
}

HRESULT CAviMux::WriteSample(int stream, IMediaSample* sample)
{
    BYTE* data = nullptr;
    if (FAILED(sample->GetPointer(&data)))
        return E_POINTER;
    const DWORD bytes = static_cast<DWORD>(sample->GetActualDataLength());
    EnterCriticalSection(&m_writeLock);
    // The header goes first with the first chunk: by then the writer runs.
    if (m_writing && !m_writerGone && !m_headerSent)
        m_writerGone = !(m_headerSent = SendBytes(m_layout.Header(), 0));
    if (m_writing && !m_writerGone && m_layout.HasRoomFor(bytes))
    {
        const DWORD offset = m_layout.NextOffset();
        if (!SendBytes(m_layout.Chunk(stream, data, bytes), offset))
        {
            // The writer has stopped: the chunk is not in the file, so not in the index.
            m_layout.DropLastChunk();
            m_writerGone = true;
        }

    }
    LeaveCriticalSection(&m_writeLock);
    return S_OK;
}

bool CAviMux::SendBytes(const std::vector<BYTE>& bytes, DWORD offset)
{
    size_t sent = 0;
    while (sent < bytes.size())
    {
        CKitRef<IMediaSample> sample;
        if (FAILED(m_output.GetDeliveryBuffer(sample.Receive())) || !sample)
            return false;
        BYTE* target = nullptr;
        sample->GetPointer(&target);
        const size_t piece = std::min<size_t>(bytes.size() - sent, static_cast<size_t>(sample->GetSize()));
        memcpy(target, bytes.data() + sent, piece);
        sample->SetActualDataLength(static_cast<long>(piece));
        REFERENCE_TIME start = offset + sent;
        REFERENCE_TIME stop = start + piece;
        sample->SetTime(&start, &stop);
        if (m_output.Deliver(sample.Get()) != S_OK)
            return false;
        sent += piece;
    }
    return true;
}
