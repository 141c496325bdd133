#include "standins/audio/CWavWriterInputPin.h"

#include "standins/audio/CWavWriter.h"
#include "standins/filterkit/KitMediaType.h"

CWavWriterInputPin::CWavWriterInputPin(CWavWriter* writer) : CKitInputPin(writer, L"In"), m_writer(writer) {}

HRESULT CWavWriterInputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return KitPcmFormatOf(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CWavWriterInputPin::OnReceive(IMediaSample* sample)
{
    return m_writer->WriteSound(sample);
}

HRESULT CWavWriterInputPin::OnEndOfStream()
{
    return m_writer->WriteEnd();
}

void CWavWriterInputPin::OnFlush(bool begin)
{
    m_writer->PassFlush(begin);
}
