#include "standins/audio/CWavWriterOutputPin.h"

#include <algorithm>
#include <uuids.h>

namespace
{
// Blocks of sound larger than a buffer go out in several samples.
constexpr long kBufferBytes = 64 * 1024;
constexpr long kBuffers = 4;
} // namespace

CWavWriterOutputPin::CWavWriterOutputPin(CKitFilter* writer) : CKitOutputPin(writer, L"Out") {}

HRESULT CWavWriterOutputPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    return type && type->majortype == MEDIATYPE_Stream ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CWavWriterOutputPin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index != 0)
        return VFW_S_NO_MORE_ITEMS;
    ZeroMemory(type, sizeof(*type));
    type->majortype = MEDIATYPE_Stream;
    type->subtype = MEDIASUBTYPE_WAVE;
    type->formattype = FORMAT_None;
    type->lSampleSize = 1;
    type->bFixedSizeSamples = TRUE;
    return S_OK;
}

HRESULT CWavWriterOutputPin::DecideBufferSize(ALLOCATOR_PROPERTIES& properties)
{
    properties.cbBuffer = std::max(properties.cbBuffer, kBufferBytes);
    properties.cBuffers = std::max(properties.cBuffers, kBuffers);
    properties.cbAlign = std::max(properties.cbAlign, 1L);
    return S_OK;
}
