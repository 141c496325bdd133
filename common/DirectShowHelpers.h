#pragma once
// DirectShow helpers: capture devices by their friendly names, a filter's pins, combo
// boxes filled with devices or pins, and the length of a media file. COM must be
// initialised on the calling thread.
#include "framework/CString.h"
#include <strmif.h>

// The index-th pin (counting from 0) among the filter's pins of that direction, with a
// reference for the caller; E_FAIL when there is none. A pin whose direction cannot be
// read belongs to no direction.
HRESULT GetPin(IBaseFilter* filter, PIN_DIRECTION direction, int index, IPin** pin);
// The number of the filter's pins of that direction.
int CountPins(IBaseFilter* filter, PIN_DIRECTION direction);
// Selects one input of an audio capture filter: the audio input mixer of the input pin
// named name (case ignored) is switched on, that of every other input pin off. Pins
// without a mixer are left alone.
void FindPinByName(IBaseFilter* filter, const CString& name);

// The text property (e.g. "FriendlyName", "CLSID") of a device's property bag; false
// when it cannot be read.
bool ReadDeviceString(IMoniker* device, const wchar_t* property, CString& value);
// The devices of a category, through the system device enumerator, with a reference for
// the caller; S_FALSE and null when the category has none.
HRESULT EnumerateDevices(REFCLSID category, IEnumMoniker** devices);

// The moniker (with a reference for the caller) of the first device of the category
// whose "FriendlyName" equals friendlyName, case ignored, or of the first device when
// friendlyName is empty; null when none matches. deviceEnum may be null: the system
// device enumerator is then created for the call. The caller's enumerator stays the
// caller's.
IMoniker* FindDeviceFilter(ICreateDevEnum* deviceEnum, REFCLSID category, const CString& friendlyName);

// Adds the device names of a category to the combo (AddDeviceNamesToCombo); a failure
// code when the system device enumerator cannot be used.
HRESULT FillDeviceCombo(HWND combo, REFCLSID category);
// FillDeviceCombo for the video input devices.
HRESULT FillVideoDeviceCombo(HWND combo);
// Adds the "FriendlyName" of every device that the combo does not list yet (the combo's
// exact-text search), each item holding a reference to its device's moniker as item
// data. When nothing was added, the item "<< No entries >>" (data 0) is added. devices
// may be null for a category without devices.
HRESULT AddDeviceNamesToCombo(IEnumMoniker* devices, HWND combo);
// Empties a combo filled with device names, releasing the monikers its items hold.
void EmptyDeviceCombo(HWND combo);

// Empties the combo and lists the names of the filter's pins of that direction, each with
// its index for GetPin as item data. A pin whose direction cannot be read adds "<ERROR>"
// and ends the list.
void FillPinCombo(HWND combo, IBaseFilter* filter, PIN_DIRECTION direction);

// The length in whole seconds (fraction cut off) of the file's first stream of that major
// media type (e.g. MEDIATYPE_Audio), read with the media detector; -1 when the file, the
// stream or its length cannot be read.
long GetMediaLength(const CString& path, REFGUID majorType);
// GetMediaLength as "h : mm : ss", or "Unknown".
CString FormatMediaLength(const CString& path, REFGUID majorType);
// seconds as "%d : %02d : %02d" (hours, minutes, seconds); "Unknown" when negative.
CString FormatMediaLength(long seconds);

// Frees a media type's format block and reference, not the structure.
void FreeMediaType(AM_MEDIA_TYPE& type);
// Frees a media type that a filter allocated with the task allocator (GetFormat,
// IEnumMediaTypes::Next): its contents and the structure.
void DeleteMediaType(AM_MEDIA_TYPE* type);
