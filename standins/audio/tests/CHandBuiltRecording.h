#pragma once
// CHandBuiltRecording: a recording graph built by hand as a program builds one: the
// test audio device found through the system device enumerator by its friendly name,
// its input chosen, its capture pin set to a format and to buffers of 50 ms, and that pin
// rendered into the filters already in the graph: a sink given by the test, or the
// wave writer (by the "WAV Dest" class id) and the File Writer.
#include "standins/filterkit/CKitRef.h"
#include "framework/CString.h"
#include <dshow.h>

class CHandBuiltRecording
{
public:
    // Adds the device and sets its input and format; false (with the failure recorded
    // as a test failure) when a step fails.
    bool AddDevice(const WAVEFORMATEX& format, const wchar_t* input);
    // Renders the preview with the capture graph builder into the audio renderer; the
    // device has no preview pin, so the builder puts a Smart Tee after the capture pin,
    // whose capture output is then the pin that RenderToFile renders.
    bool RenderPreview();
    // Adds the wave writer and the File Writer (writing to file) and renders the pin.
    bool RenderToFile(const CString& file);
    // Adds sink and renders the pin into it.
    bool RenderTo(IBaseFilter* sink);

    HRESULT Run();
    HRESULT Stop();
    // Waits (pumping messages) for the graph's next event of that code; false when none
    // came in time. param2 receives its second parameter; param1 its first.
    bool WaitForEvent(long code, LONG_PTR& param1, LONG_PTR& param2);

    IBaseFilter* Device() const { return m_device.Get(); }
    IPin* CapturePin() const { return m_capture.Get(); }

private:
    CKitRef<IGraphBuilder> m_graph;
    CKitRef<IBaseFilter> m_device;
    CKitRef<IPin> m_capture;
    CKitRef<IPin> m_recorded; // the capture pin, or the Smart Tee's capture output
};
