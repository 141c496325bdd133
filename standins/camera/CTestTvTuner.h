#pragma once
// CTestTvTuner: the TV tuner that feeds the test crossbar's tuner input when the test
// camera's crossbar switch is on. It keeps the channel it is set to (2 to 69) and
// answers nothing else of a tuner; its one output is analogue video. It offers the
// camera's property page.
#include "standins/camera/CAnalogPins.h"
#include "standins/filterkit/CKitFilter.h"

class CTestTvTuner final : public CKitFilter, public IAMTVTuner, public ISpecifyPropertyPages
{
public:
    CTestTvTuner();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE put_Channel(LONG channel, LONG video, LONG audio) override;
    HRESULT STDMETHODCALLTYPE get_Channel(LONG* channel, LONG* video, LONG* audio) override;
    HRESULT STDMETHODCALLTYPE ChannelMinMax(LONG* min, LONG* max) override;
    HRESULT STDMETHODCALLTYPE put_CountryCode(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_CountryCode(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_TuningSpace(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TuningSpace(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Logon(HANDLE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Logout() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SignalPresent(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Mode(AMTunerModeType) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Mode(AMTunerModeType*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetAvailableModes(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterNotificationCallBack(IAMTunerNotification*, LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE UnRegisterNotificationCallBack(IAMTunerNotification*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AvailableTVFormats(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TVFormat(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE AutoTune(LONG, LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE StoreAutoTune() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_NumInputConnections(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_InputType(LONG, TunerInputType) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_InputType(LONG, TunerInputType*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ConnectInput(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ConnectInput(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_VideoFrequency(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AudioFrequency(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPages(CAUUID* pages) override;

    int PinCount() override { return 1; }
    CKitPin* PinAt(int index) override { return index == 0 ? &m_output : nullptr; }
    CAnalogOutputPin& Output() { return m_output; }

protected:
    HRESULT QueryFilterInterface(REFIID interfaceId, void** object) override;

private:
    CAnalogOutputPin m_output;
    LONG m_channel = 2;
};
