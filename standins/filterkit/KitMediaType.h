#pragma once
// Media types as the pins pass them: copies whose format block is owned by the copy,
// freed with the task allocator as DirectShow expects.
#include <windows.h>
#include <strmif.h>
#include <mmreg.h>

// Copies source into target (whose own contents are not freed).
HRESULT KitCopyMediaType(AM_MEDIA_TYPE* target, const AM_MEDIA_TYPE* source);
// Frees the format block and the reference of a media type, not the structure.
void KitFreeMediaType(AM_MEDIA_TYPE& type);
// A copy made with the task allocator (for out parameters such as GetFormat); null
// when memory runs out.
AM_MEDIA_TYPE* KitCreateMediaType(const AM_MEDIA_TYPE* source);
// Frees a media type made by KitCreateMediaType or by another filter.
void KitDeleteMediaType(AM_MEDIA_TYPE* type);

// An audio media type of the PCM format (wave format of 18 bytes, extra size 0),
// whose format block is owned by the result.
HRESULT KitMakePcmMediaType(AM_MEDIA_TYPE* target, const WAVEFORMATEX& format);
// The wave format of an uncompressed PCM audio type; null for any other type.
const WAVEFORMATEX* KitPcmFormatOf(const AM_MEDIA_TYPE* type);
// Whether a proposed type (which may leave the major type, subtype and format type
// open with null GUIDs) allows the full type.
bool KitMediaTypeMatches(const AM_MEDIA_TYPE* proposed, const AM_MEDIA_TYPE& full);

// IKsPropertySet of a pin that tells its category (AMPROPSETID_Pin,
// AMPROPERTY_PIN_CATEGORY) and nothing else: Get and QuerySupported.
HRESULT KitGetPinCategory(REFGUID category, REFGUID set, DWORD id, void* data, DWORD dataBytes, DWORD* returned);
HRESULT KitQueryPinCategorySupport(REFGUID set, DWORD id, DWORD* support);
