#pragma once
// CMixerInputPin: one named input of the test audio device, as a sound card's inputs
// appear on a capture filter: an input pin that takes no connection and carries the
// input's mixer settings (IAMAudioInputMixer). Its switch decides whether the input is
// heard; the other settings are kept and read back as a mixer line does, and do not
// change the captured sound.
#include "standins/filterkit/CKitPin.h"

class CMixerInputPin final : public CKitPin, public IAMAudioInputMixer
{
public:
    CMixerInputPin(CKitFilter* filter, const wchar_t* name, bool enabled);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;

    HRESULT STDMETHODCALLTYPE put_Enable(BOOL enable) override;
    HRESULT STDMETHODCALLTYPE get_Enable(BOOL* enable) override;
    HRESULT STDMETHODCALLTYPE put_Mono(BOOL mono) override;
    HRESULT STDMETHODCALLTYPE get_Mono(BOOL* mono) override;
    HRESULT STDMETHODCALLTYPE put_MixLevel(double level) override;
    HRESULT STDMETHODCALLTYPE get_MixLevel(double* level) override;
    HRESULT STDMETHODCALLTYPE put_Pan(double pan) override;
    HRESULT STDMETHODCALLTYPE get_Pan(double* pan) override;
    HRESULT STDMETHODCALLTYPE put_Loudness(BOOL loudness) override;
    HRESULT STDMETHODCALLTYPE get_Loudness(BOOL* loudness) override;
    HRESULT STDMETHODCALLTYPE put_Treble(double treble) override;
    HRESULT STDMETHODCALLTYPE get_Treble(double* treble) override;
    HRESULT STDMETHODCALLTYPE get_TrebleRange(double* range) override;
    HRESULT STDMETHODCALLTYPE put_Bass(double bass) override;
    HRESULT STDMETHODCALLTYPE get_Bass(double* bass) override;
    HRESULT STDMETHODCALLTYPE get_BassRange(double* range) override;

    bool IsEnabled() const { return m_enabled; }

protected:
    HRESULT QueryPinInterface(REFIID interfaceId, void** object) override;

private:
    volatile bool m_enabled;
    bool m_mono = false;
    bool m_loudness = false;
    double m_level = 1.0;
    double m_pan = 0.0;
    double m_treble = 0.0;
    double m_bass = 0.0;
};
