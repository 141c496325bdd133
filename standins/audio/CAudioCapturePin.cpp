#include "standins/audio/CAudioCapturePin.h"

#include "standins/audio/CTestAudioDevice.h"
#include "standins/audio/TestAudioIds.h"
#include "standins/filterkit/KitMediaType.h"

#include <algorithm>
#include <uuids.h>

namespace
{
constexpr DWORD kRates[] = {48000, 44100, 22050, 11025, 8000};
constexpr int kFormatCount = 20;
// Default buffers: six of 50 ms.
constexpr int kDefaultBuffers = 6;
constexpr DWORD kDefaultBuffersPerSecond = 20;
constexpr REFERENCE_TIME kUnitsPerSecond = 10000000;

// The index-th format of the table: the rates from high to low, each as 8-bit mono,
// 16-bit mono, 8-bit stereo and 16-bit stereo.
WAVEFORMATEX TableFormat(int index)
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nSamplesPerSec = kRates[index / 4];
    format.wBitsPerSample = index % 2 ? 16 : 8;
    format.nChannels = index % 4 < 2 ? 1 : 2;
    format.nBlockAlign = format.nChannels * format.wBitsPerSample / 8;
    format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
    return format;
}

bool InCaps(const WAVEFORMATEX& format)
{
    return format.nChannels <= 2 && format.nSamplesPerSec >= kRates[4] && format.nSamplesPerSec <= kRates[0];
}

void FillCaps(AUDIO_STREAM_CONFIG_CAPS& caps)
{
    caps.guid = MEDIATYPE_Audio;
    caps.MinimumChannels = 1;
    caps.MaximumChannels = 2;
    caps.ChannelsGranularity = 1;
    caps.MinimumBitsPerSample = 8;
    caps.MaximumBitsPerSample = 16;
    caps.BitsPerSampleGranularity = 8;
    caps.MinimumSampleFrequency = kRates[4];
    caps.MaximumSampleFrequency = kRates[0];
    caps.SampleFrequencyGranularity = 1;
}
} // namespace

CAudioCapturePin::CAudioCapturePin(CTestAudioDevice* device)
    : CKitOutputPin(device, kTestAudioCapturePin), m_device(device), m_format(TableFormat(7))
{
    m_suggested.cBuffers = m_suggested.cbBuffer = m_suggested.cbAlign = m_suggested.cbPrefix = -1;
    InitializeCriticalSection(&m_runLock);
    InitializeCriticalSection(&m_deliverLock);
}

CAudioCapturePin::~CAudioCapturePin()
{
    DeleteCriticalSection(&m_deliverLock);
    DeleteCriticalSection(&m_runLock);
}

HRESULT CAudioCapturePin::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitPin::QueryInterface(interfaceId, object);
}

ULONG CAudioCapturePin::AddRef()
{
    return CKitPin::AddRef();
}

ULONG CAudioCapturePin::Release()
{
    return CKitPin::Release();
}

HRESULT CAudioCapturePin::QueryPinInterface(REFIID interfaceId, void** object)
{
    if (interfaceId == IID_IAMStreamConfig)
        *object = static_cast<IAMStreamConfig*>(this);
    else if (interfaceId == IID_IAMBufferNegotiation)
        *object = static_cast<IAMBufferNegotiation*>(this);
    else if (interfaceId == IID_IKsPropertySet)
        *object = static_cast<IKsPropertySet*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT CAudioCapturePin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    const WAVEFORMATEX* format = KitPcmFormatOf(type);
    return format && format->nSamplesPerSec == m_format.nSamplesPerSec && format->nChannels == m_format.nChannels &&
                   format->wBitsPerSample == m_format.wBitsPerSample
               ? S_OK
               : VFW_E_TYPE_NOT_ACCEPTED;
}

// Type 0 is the format chosen; the table follows.
HRESULT CAudioCapturePin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index < 0 || index > kFormatCount)
        return VFW_S_NO_MORE_ITEMS;
    return KitMakePcmMediaType(type, index == 0 ? m_format : TableFormat(index - 1));
}

HRESULT CAudioCapturePin::SetFormat(AM_MEDIA_TYPE* type)
{
    const WAVEFORMATEX* format = KitPcmFormatOf(type);
    if (!format || !InCaps(*format))
        return E_INVALIDARG;
    EnterCriticalSection(&Filter()->Lock());
    HRESULT result = S_OK;
    if (Filter()->State() != State_Stopped)
        result = VFW_E_NOT_STOPPED;
    else if (IsConnected() && ConnectedPin()->QueryAccept(type) != S_OK)
        result = VFW_E_INVALIDMEDIATYPE;
    else
    {
        m_format = *format;
        m_format.cbSize = 0;
    }
    LeaveCriticalSection(&Filter()->Lock());
    if (SUCCEEDED(result) && IsConnected() && m_device->GraphOf())
        result = m_device->GraphOf()->Reconnect(this);
    return result;
}

HRESULT CAudioCapturePin::GetFormat(AM_MEDIA_TYPE** type)
{
    return KitCreateTypeOf(*this, 0, type);
}

HRESULT CAudioCapturePin::GetNumberOfCapabilities(int* count, int* size)
{
    if (!count || !size)
        return E_POINTER;
    *count = kFormatCount;
    *size = sizeof(AUDIO_STREAM_CONFIG_CAPS);
    return S_OK;
}

HRESULT CAudioCapturePin::GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps)
{
    if (!type || !caps)
        return E_POINTER;
    if (index < 0 || index >= kFormatCount)
        return S_FALSE;
    HRESULT result = KitCreateTypeOf(*this, index + 1, type);
    if (FAILED(result))
        return result;
    FillCaps(*reinterpret_cast<AUDIO_STREAM_CONFIG_CAPS*>(caps));
    return S_OK;
}

HRESULT CAudioCapturePin::SuggestAllocatorProperties(const ALLOCATOR_PROPERTIES* properties)
{
    if (!properties)
        return E_POINTER;
    if (IsConnected())
        return VFW_E_ALREADY_CONNECTED;
    m_suggested = *properties;
    return S_OK;
}

HRESULT CAudioCapturePin::GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties)
{
    return CKitOutputPin::GetAllocatorProperties(properties);
}

// A suggestion of -1 or 0 leaves the choice to the pin; the input pin's requirements
// are kept where they ask for more. Buffers hold whole sample blocks.
HRESULT CAudioCapturePin::DecideBufferSize(ALLOCATOR_PROPERTIES& properties)
{
    const long block = m_format.nBlockAlign;
    long size = m_suggested.cbBuffer > 0 ? m_suggested.cbBuffer
                                          : static_cast<long>(m_format.nAvgBytesPerSec / kDefaultBuffersPerSecond);
    size = std::max(block, size / block * block);
    properties.cbBuffer = std::max(properties.cbBuffer, size);
    properties.cBuffers = std::max(properties.cBuffers, m_suggested.cBuffers > 0 ? m_suggested.cBuffers : kDefaultBuffers);
    properties.cbAlign = std::max(properties.cbAlign, m_suggested.cbAlign > 0 ? m_suggested.cbAlign : 1L);
    properties.cbPrefix = std::max(properties.cbPrefix, m_suggested.cbPrefix > 0 ? m_suggested.cbPrefix : 0L);
    return S_OK;
}

HRESULT CAudioCapturePin::Set(REFGUID, DWORD, void*, DWORD, void*, DWORD)
{
    return E_PROP_ID_UNSUPPORTED;
}

HRESULT CAudioCapturePin::Get(REFGUID set, DWORD id, void*, DWORD, void* data, DWORD dataBytes, DWORD* returned)
{
    return KitGetPinCategory(PIN_CATEGORY_CAPTURE, set, id, data, dataBytes, returned);
}

HRESULT CAudioCapturePin::QuerySupported(REFGUID set, DWORD id, DWORD* support)
{
    return KitQueryPinCategorySupport(set, id, support);
}

HRESULT CAudioCapturePin::StartCapture()
{
    if (!IsConnected())
        return S_OK;
    ALLOCATOR_PROPERTIES agreed{};
    HRESULT result = Activate();
    if (SUCCEEDED(result))
        result = CKitOutputPin::GetAllocatorProperties(&agreed);
    if (FAILED(result))
        return result;
    m_position = 0;
    m_ranMs = 0;
    const DWORD bytes = agreed.cbBuffer / m_format.nBlockAlign * m_format.nBlockAlign;
    m_silence.assign(bytes, m_format.wBitsPerSample == 8 ? 0x80 : 0);
    m_lastSoundMs = timeGetTime();
    m_heardSound = false;
    // Two buffers more than the allocator's keep the input recording while downstream
    // holds samples.
    result = m_stream.Start(m_format, bytes, agreed.cBuffers + 2, this);
    if (FAILED(result))
        Deactivate();
    return result;
}

void CAudioCapturePin::StopCapture()
{
    Deactivate();
    m_stream.Stop();
}

void CAudioCapturePin::SetRunning(bool running, REFERENCE_TIME start)
{
    EnterCriticalSection(&m_runLock);
    m_streamStart = start;
    const DWORD now = timeGetTime();
    if (running && !m_running)
        m_runStartMs = now;
    else if (!running && m_running)
        m_ranMs += now - m_runStartMs;
    m_running = running;
    LeaveCriticalSection(&m_runLock);
}

bool CAudioCapturePin::BytesDue(LONGLONG& due)
{
    EnterCriticalSection(&m_runLock);
    const bool running = m_running;
    const LONGLONG ranMs = m_ranMs + (timeGetTime() - m_runStartMs);
    LeaveCriticalSection(&m_runLock);
    due = ranMs * m_format.nAvgBytesPerSec / 1000 / m_format.nBlockAlign * m_format.nBlockAlign;
    return running;
}

void CAudioCapturePin::OnCaptured(const BYTE* data, DWORD bytes)
{
    m_lastSoundMs = timeGetTime();
    LONGLONG due = 0;
    EnterCriticalSection(&m_deliverLock);
    bytes = std::min<DWORD>(bytes, m_silence.size());
    if (m_device->IsPresent() && BytesDue(due) &&
        m_position + static_cast<LONGLONG>(bytes) <= due + 2 * static_cast<LONGLONG>(m_silence.size()))
    {
        m_heardSound = true;
        DeliverBytes(m_device->IsMicrophoneEnabled() ? data : m_silence.data(), bytes);
    }
    LeaveCriticalSection(&m_deliverLock);
}

// Silence up to now when no sound came for two buffers' time before the first sound of
// the run (the server's start) or for four after it (a drop-out: shorter stalls end in
// a burst that catches up). A device's clock runs on whatever the load: a stall at the
// end of a run, which no burst follows, then costs the recording at most that long.
void CAudioCapturePin::OnQuiet()
{
    LONGLONG due = 0;
    const LONGLONG slack = static_cast<LONGLONG>(m_silence.size());
    const LONGLONG quietMs = timeGetTime() - m_lastSoundMs;
    EnterCriticalSection(&m_deliverLock);
    if (m_device->IsPresent() && BytesDue(due) &&
        quietMs * m_format.nAvgBytesPerSec / 1000 >= (m_heardSound ? 4 : 2) * slack)
        FillSilence(due);
    LeaveCriticalSection(&m_deliverLock);
}

void CAudioCapturePin::FillSilence(LONGLONG due)
{
    for (LONGLONG missing = due - m_position; missing > 0;)
    {
        const LONGLONG slack = static_cast<LONGLONG>(m_silence.size());
        DWORD chunk = static_cast<DWORD>(std::min(missing, slack)) / m_format.nBlockAlign * m_format.nBlockAlign;
        if (chunk == 0)
            break;
        if (!DeliverBytes(m_silence.data(), chunk))
            break;
        missing -= chunk;
    }
}

// The graph's stream time now, or 0 without a clock.
REFERENCE_TIME CAudioCapturePin::StreamTimeNow()
{
    IReferenceClock* clock = nullptr;
    REFERENCE_TIME now = 0;
    if (FAILED(Filter()->GetSyncSource(&clock)) || !clock)
        return 0;
    const bool known = SUCCEEDED(clock->GetTime(&now));
    clock->Release();
    EnterCriticalSection(&m_runLock);
    now -= m_streamStart;
    LeaveCriticalSection(&m_runLock);
    return known ? std::max<REFERENCE_TIME>(now, 0) : 0;
}

bool CAudioCapturePin::DeliverBytes(const BYTE* data, DWORD bytes)
{
    IMediaSample* sample = nullptr;
    if (FAILED(GetDeliveryBuffer(&sample)))
        return false;
    BYTE* target = nullptr;
    DWORD size = std::min<DWORD>(bytes, sample->GetSize());
    const bool filled = SUCCEEDED(sample->GetPointer(&target));
    if (filled)
    {
        CopyMemory(target, data, size);
        sample->SetActualDataLength(size);
        if (m_position == 0)
            m_timeOrigin = StreamTimeNow();
        REFERENCE_TIME start = m_timeOrigin + m_position * kUnitsPerSecond / m_format.nAvgBytesPerSec;
        REFERENCE_TIME stop = m_timeOrigin + (m_position + size) * kUnitsPerSecond / m_format.nAvgBytesPerSec;
        sample->SetTime(&start, &stop);
        sample->SetSyncPoint(TRUE);
        sample->SetDiscontinuity(m_position == 0);
        m_position += size;
        Deliver(sample);
    }
    sample->Release();
    return filled;
}
