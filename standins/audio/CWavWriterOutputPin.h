#pragma once
// CWavWriterOutputPin: the wave writer's output, a byte stream of a wave file.
#include "standins/filterkit/CKitOutputPin.h"

class CWavWriterOutputPin final : public CKitOutputPin
{
public:
    explicit CWavWriterOutputPin(CKitFilter* writer);

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;

protected:
    HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) override;
};
