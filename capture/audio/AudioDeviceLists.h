#pragma once
// The lists of the audio pages: capture devices, their input pins and the capture
// formats the default capture device accepts, and the start-up check of that device.
// Failures leave their sentence in the audio error text (AudioErrorText.h) and return
// the failing HRESULT. COM stays initialised on the calling thread: the device list's
// items hold COM objects.
#include "framework/CString.h"
#include <windows.h>

// Lists the audio input devices (items hold their monikers: empty the combo with
// EmptyDeviceCombo), selects selectedDevice (case ignored; else the first) and lists
// that device's input pins into pinCombo with selectedPin selected.
HRESULT FillAudioDeviceCombo(HWND deviceCombo, HWND pinCombo, const CString& selectedDevice,
                             const CString& selectedPin);
// Lists the input pins of the device of item deviceIndex into pinCombo, selecting
// selectedPin (case ignored). S_FALSE for an item without a device.
HRESULT FillAudioInputPinCombo(HWND deviceCombo, HWND pinCombo, int deviceIndex, const CString& selectedPin);
// Lists the capture formats the default capture device accepts by their display texts;
// each item holds its format string as data string (free them with EmptyDataStringCombo).
// Selects the item whose format string is selectedFormat.
HRESULT FillAudioFormatCombo(HWND formatCombo, const CString& selectedFormat);
// True when the default audio capture device cannot be used, the reason in the audio
// error text; on success the table of accepted formats is filled.
bool CheckAudioCaptureDevice();
