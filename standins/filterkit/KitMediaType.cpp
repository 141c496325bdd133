#include "standins/filterkit/KitMediaType.h"

#include <uuids.h>
#include <vfwmsgs.h>

HRESULT KitCopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source)
{
    *target = *source;
    if (source->cbFormat)
    {
        target->pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(source->cbFormat));
        if (!target->pbFormat)
        {
            target->cbFormat = 0;
            return E_OUTOFMEMORY;
        }
        CopyMemory(target->pbFormat, source->pbFormat, source->cbFormat);
    }
    else
        target->pbFormat = nullptr;
    if (target->pUnk)
        target->pUnk->AddRef();
    return S_OK;
}

void KitFreeMediaType(AM_MEDIA_TYPE& type)
{
    CoTaskMemFree(type.pbFormat);
    type.pbFormat = nullptr;
    type.cbFormat = 0;
    if (type.pUnk)
        type.pUnk->Release();
    type.pUnk = nullptr;
}

AM_MEDIA_TYPE* KitCreateMediaType(const AM_MEDIA_TYPE* source)
{
    auto* type = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (type && FAILED(KitCopyMediaType(type, source)))
    {
        CoTaskMemFree(type);
        type = nullptr;
    }
    return type;
}

void KitDeleteMediaType(AM_MEDIA_TYPE* type)
{
    if (!type)
        return;
    KitFreeMediaType(*type);
    CoTaskMemFree(type);
}

HRESULT KitMakePcmMediaType(AM_MEDIA_TYPE* target, const WAVEFORMATEX& format)
{
    ZeroMemory(target, sizeof(*target));
    auto* block = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof(WAVEFORMATEX)));
    if (!block)
        return E_OUTOFMEMORY;
    *block = format;
    block->cbSize = 0;
    target->majortype = MEDIATYPE_Audio;
    target->subtype = MEDIASUBTYPE_PCM;
    target->bFixedSizeSamples = TRUE;
    target->lSampleSize = format.nBlockAlign;
    target->formattype = FORMAT_WaveFormatEx;
    target->cbFormat = sizeof(WAVEFORMATEX);
    target->pbFormat = reinterpret_cast<BYTE*>(block);
    return S_OK;
}

const WAVEFORMATEX* KitPcmFormatOf(const AM_MEDIA_TYPE* type)
{
    if (!type || type->majortype != MEDIATYPE_Audio || type->subtype != MEDIASUBTYPE_PCM ||
        type->formattype != FORMAT_WaveFormatEx || type->cbFormat < sizeof(PCMWAVEFORMAT) || !type->pbFormat)
        return nullptr;
    const auto* format = reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat);
    if (format->wFormatTag != WAVE_FORMAT_PCM || format->nChannels == 0 || format->nSamplesPerSec == 0 ||
        (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) ||
        format->nBlockAlign != format->nChannels * format->wBitsPerSample / 8 ||
        format->nAvgBytesPerSec != format->nSamplesPerSec * format->nBlockAlign)
        return nullptr;
    return format;
}

bool KitMediaTypeMatches(const AM_MEDIA_TYPE* proposed, const AM_MEDIA_TYPE& full)
{
    if (!proposed)
        return true;
    auto open = [](const GUID& id) { return id == GUID_NULL; };
    return (open(proposed->majortype) || proposed->majortype == full.majortype) &&
           (open(proposed->subtype) || proposed->subtype == full.subtype) &&
           (open(proposed->formattype) || proposed->formattype == full.formattype);
}

HRESULT KitGetPinCategory(REFGUID category, REFGUID set, DWORD id, void* data, DWORD dataBytes, DWORD* returned)
{
    HRESULT result = KitQueryPinCategorySupport(set, id, nullptr);
    if (FAILED(result))
        return result;
    if (!data)
        return E_POINTER;
    if (dataBytes < sizeof(GUID))
        return E_UNEXPECTED;
    *static_cast<GUID*>(data) = category;
    if (returned)
        *returned = sizeof(GUID);
    return S_OK;
}

HRESULT KitQueryPinCategorySupport(REFGUID set, DWORD id, DWORD* support)
{
    if (set != AMPROPSETID_Pin)
        return E_PROP_SET_UNSUPPORTED;
    if (id != AMPROPERTY_PIN_CATEGORY)
        return E_PROP_ID_UNSUPPORTED;
    if (support)
        *support = KSPROPERTY_SUPPORT_GET;
    return S_OK;
}
