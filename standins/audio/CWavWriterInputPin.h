#pragma once
// CWavWriterInputPin: the wave writer's input, which takes uncompressed PCM sound.
#include "standins/filterkit/CKitInputPin.h"

class CWavWriter;

class CWavWriterInputPin final : public CKitInputPin
{
public:
    explicit CWavWriterInputPin(CWavWriter* writer);

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;

protected:
    HRESULT OnReceive(IMediaSample* sample) override;
    HRESULT OnEndOfStream() override;
    void OnFlush(bool begin) override;

private:
    CWavWriter* m_writer;
};
