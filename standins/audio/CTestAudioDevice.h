#pragma once
// CTestAudioDevice: the test platform's audio capture device, a live source filter
// fed by the default wave input. Its input pins are the device's named inputs
// (CMixerInputPin), whose switches choose what is heard; its one output pin is the
// capture pin (CAudioCapturePin). A test removes the device and brings it back through
// named events (TestAudioIds.h), which the device reports to its graph as
// EC_DEVICE_LOST.
#include "standins/audio/CAudioCapturePin.h"
#include "standins/audio/CMixerInputPin.h"
#include "standins/filterkit/CKitFilter.h"

#include <memory>

class CTestAudioDevice final : public CKitFilter
{
public:
    static IUnknown* Create();

    int PinCount() override;
    CKitPin* PinAt(int index) override;

    // Whether the test has not removed the device: only then does it capture.
    bool IsPresent() const;
    bool IsMicrophoneEnabled() const;
    // The graph the filter is in, or null.
    IFilterGraph* GraphOf() const { return Graph(); }
    // Tells the graph that the device was removed (lost) or is back.
    void ReportPresence(bool present);

protected:
    ~CTestAudioDevice() override;
    HRESULT OnActivate() override;
    void OnDeactivate() override;
    void OnRun(REFERENCE_TIME start) override;
    void OnPauseFromRun() override;
    void OnGraphChanged(IFilterGraph* graph) override;
    bool IsLiveSource() const override;

private:
    CTestAudioDevice();

    std::unique_ptr<CMixerInputPin> m_inputs[3];
    CAudioCapturePin m_capture;
};
