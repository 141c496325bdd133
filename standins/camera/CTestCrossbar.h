#pragma once
// CTestCrossbar: the crossbar in front of the test camera when its crossbar switch is
// on. Inputs, in index order: "Video Composite", "Video SVideo", "Video Tuner" (fed by
// the test TV tuner) and "Audio Tuner" (related to the tuner's video input); outputs:
// "Video Decoder" (to the camera's analogue input, related to the audio output) and
// "Audio Decoder". Any video input routes to the video output, the audio input to the
// audio output; the routes set are kept (get_IsRoutedTo). It offers the camera's
// property page.
#include "standins/camera/CAnalogPins.h"
#include "standins/filterkit/CKitFilter.h"

class CTestCrossbar final : public CKitFilter, public IAMCrossbar, public ISpecifyPropertyPages
{
public:
    CTestCrossbar();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_PinCounts(long* outputs, long* inputs) override;
    HRESULT STDMETHODCALLTYPE CanRoute(long output, long input) override;
    HRESULT STDMETHODCALLTYPE Route(long output, long input) override;
    HRESULT STDMETHODCALLTYPE get_IsRoutedTo(long output, long* input) override;
    HRESULT STDMETHODCALLTYPE get_CrossbarPinInfo(BOOL isInput, long index, long* related, long* type) override;
    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

    int PinCount() override;
    CKitPin* PinAt(int index) override;
    CAnalogInputPin& TunerInput() { return m_inputs[2]; }
    CAnalogOutputPin& VideoOutput() { return m_outputs[0]; }

protected:
    HRESULT QueryFilterInterface(REFIID interfaceId, void** object) override;

private:
    static constexpr long kInputs = 4;
    static constexpr long kOutputs = 2;
    CAnalogInputPin m_inputs[kInputs];
    CAnalogOutputPin m_outputs[kOutputs];
    long m_routed[kOutputs] = {-1, -1};
};
