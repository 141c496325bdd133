#pragma once
// CTestCamera: the test platform's video capture device, a live source filter that
// draws the known moving pattern of CameraPattern.h. Its pins are the capture pin and,
// unless the switch says otherwise, a preview pin (CCameraPin). A frame thread runs
// while the filter is paused or running and, while it runs, delivers frame after frame
// at the capture pin's frame time: the capture pin's samples are stamped and waited
// for; the preview pin's are not stamped and are left out when its renderer is busy.
// A frame whose time has passed before the capture pin could take it is dropped.
// With the driver-dialog switch on it answers IAMVfwCaptureDialogs (all three dialogs,
// shown as nothing but counted). The filter and its pins offer the camera's property
// page (CCameraPropertyPage). With the crossbar switch on it has an analogue video input
// (the last pin), which it connects, as it joins a graph, to a crossbar fed by a TV
// tuner that it adds to the graph.
#include "standins/camera/CAnalogPins.h"
#include "standins/camera/CCameraPin.h"
#include "standins/filterkit/CKitFilter.h"

#include <memory>

class CTestCamera final : public CKitFilter, public IAMVfwCaptureDialogs, public ISpecifyPropertyPages
{
public:
    static IUnknown* Create();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE HasDialog(int dialog) override;
    HRESULT STDMETHODCALLTYPE ShowDialog(int dialog, HWND parent) override;
    HRESULT STDMETHODCALLTYPE SendDriverMessage(int dialog, int message, long param1, long param2) override;

    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

    int PinCount() override;
    CKitPin* PinAt(int index) override;

    bool IsInterleaved() const { return m_interleaved; }
    IFilterGraph* GraphOf() const { return Graph(); }

protected:
    ~CTestCamera() override;
    HRESULT QueryFilterInterface(REFIID interfaceId, void** object) override;
    HRESULT OnActivate() override;
    void OnDeactivate() override;
    void OnRun(REFERENCE_TIME start) override;
    void OnPauseFromRun() override;
    bool IsLiveSource() const override;
    // Puts the crossbar and the TV tuner in front of the analogue input into the graph.
    void OnGraphChanged(IFilterGraph* graph) override;

private:
    CTestCamera();
    static DWORD WINAPI ThreadMain(void* self);
    void RunFrames();
    // Delivers what is due by now; false when the thread should wait for a run.
    void DeliverDueFrames();
    // Milliseconds the filter has run (pauses left out); -1 while not running.
    LONGLONG RunTimeMs();

    CCameraPin m_capture;
    std::unique_ptr<CCameraPin> m_preview;
    std::unique_ptr<CAnalogInputPin> m_analogInput;
    bool m_interleaved = false;
    bool m_driverDialogs = false;

    HANDLE m_thread = nullptr;
    HANDLE m_wake = nullptr;
    volatile bool m_quit = false;
    CRITICAL_SECTION m_runLock;
    bool m_running = false;
    DWORD m_runStartMs = 0;
    LONGLONG m_ranMs = 0;
    // The next frame number, on the frame thread only.
    unsigned m_nextFrame = 0;
};
