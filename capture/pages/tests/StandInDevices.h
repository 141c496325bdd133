#pragma once
// StandInDevices: the devices the page tests list in place of the system's, through the
// device source: audio capture devices with their input pins, capture formats, and video
// devices. They start as the test audio device (its name and inputs) with two formats
// and one camera; a test changes the lists before the pages are shown. Every device item
// holds an object that counts itself, so a test sees whether the pages released them.
#include "capture/pages/CaptureDeviceSource.h"

#include <string>
#include <vector>

class StandInDevices
{
public:
    struct AudioDevice
    {
        std::wstring name;
        std::vector<std::wstring> pins;
    };

    // Puts the lists in place of the system's devices until the object goes.
    StandInDevices();
    ~StandInDevices();
    StandInDevices(const StandInDevices&) = delete;
    StandInDevices& operator=(const StandInDevices&) = delete;

    // The device objects that list items still hold.
    static long HeldDevices();

    std::vector<AudioDevice> audio;
    // Format texts ("0,176400,4,2,44100,16,1").
    std::vector<std::wstring> formats;
    std::vector<std::wstring> cameras;
    // What listing the cameras answers; a failure lists none.
    HRESULT cameraResult = S_OK;
    // What listing the audio devices answers; a failure lists none and leaves its
    // sentence in the audio error text, as the engine does.
    HRESULT audioResult = S_OK;

private:
    HRESULT FillAudioDevices(HWND devices, HWND pins, const CString& device, const CString& pin);
    HRESULT FillAudioPins(HWND devices, HWND pins, int index, const CString& pin);
    HRESULT FillAudioFormats(HWND combo, const CString& format);
    HRESULT FillVideoDevices(HWND combo);

    CaptureDeviceSource m_previous;
};

// The format the stand-ins list first, and their camera.
extern const wchar_t kStandInFormat[];
extern const wchar_t kStandInCamera[];
