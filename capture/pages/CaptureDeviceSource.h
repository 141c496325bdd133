#pragma once
// CaptureDeviceSource: where the device pages' lists come from. In the program these are
// the audio engine's device, pin and format lists and the system's video input devices;
// a test puts stand-in devices in their place.
//
// What every source keeps to: a device item holds a COM object as item data (released
// with EmptyDeviceCombo), an empty category lists "<< No entries >>" with data 0, a pin
// item needs no freeing, and a format item holds its format text as data string (freed
// with EmptyDataStringCombo).
#include "framework/CString.h"

#include <functional>
#include <windows.h>

struct CaptureDeviceSource
{
    // Lists the audio input devices, selects device (case ignored; else the first) and
    // lists that device's input pins with pin selected.
    std::function<HRESULT(HWND devices, HWND pins, const CString& device, const CString& pin)> fillAudioDevices;
    // Lists the input pins of the device of the item index, selecting pin (case ignored).
    std::function<HRESULT(HWND devices, HWND pins, int index, const CString& pin)> fillAudioPins;
    // Lists the audio capture formats, selecting the item whose format text is format.
    std::function<HRESULT(HWND formats, const CString& format)> fillAudioFormats;
    // Lists the video input devices.
    std::function<HRESULT(HWND devices)> fillVideoDevices;
};

// The source in use: the system's devices unless a test put another in place.
const CaptureDeviceSource& GetCaptureDeviceSource();
// Puts a source in place and returns the one it replaces.
CaptureDeviceSource SetCaptureDeviceSource(CaptureDeviceSource source);

// The name of the selected device; empty when nothing is selected or the item holds no
// device (the "<< No entries >>" of an empty category is no device).
CString GetSelectedDeviceName(HWND devices);
