#include "standins/audio/tests/CTimestampSink.h"

#include "standins/filterkit/KitMediaType.h"

// No class of its own: the tests make it directly.
CTimestampSink::CTimestampSink() : CKitFilter(GUID_NULL), m_pin(this)
{
    InitializeCriticalSection(&m_samplesLock);
}

CTimestampSink::~CTimestampSink()
{
    DeleteCriticalSection(&m_samplesLock);
}

std::vector<CTimestampSink::Sample> CTimestampSink::Samples()
{
    EnterCriticalSection(&m_samplesLock);
    std::vector<Sample> copy = m_samples;
    LeaveCriticalSection(&m_samplesLock);
    return copy;
}

HRESULT CTimestampSink::CPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return KitPcmFormatOf(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CTimestampSink::CPin::OnReceive(IMediaSample* sample)
{
    Sample kept{-1, -1, sample->GetActualDataLength()};
    sample->GetTime(&kept.start, &kept.stop);
    EnterCriticalSection(&m_sink->m_samplesLock);
    m_sink->m_samples.push_back(kept);
    LeaveCriticalSection(&m_sink->m_samplesLock);
    return S_OK;
}
