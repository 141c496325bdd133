#include "standins/audio/CMixerInputPin.h"

namespace
{
// The treble and bass range of the inputs, in decibels either way.
constexpr double kToneRange = 12.0;

template <class T> HRESULT Read(T value, T* out)
{
    if (!out)
        return E_POINTER;
    *out = value;
    return S_OK;
}

HRESULT Store(double value, double low, double high, double& target)
{
    if (value < low || value > high)
        return E_INVALIDARG;
    target = value;
    return S_OK;
}
} // namespace

CMixerInputPin::CMixerInputPin(CKitFilter* filter, const wchar_t* name, bool enabled)
    : CKitPin(filter, name, PINDIR_INPUT), m_enabled(enabled)
{
}

HRESULT CMixerInputPin::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitPin::QueryInterface(interfaceId, object);
}

ULONG CMixerInputPin::AddRef()
{
    return CKitPin::AddRef();
}

ULONG CMixerInputPin::Release()
{
    return CKitPin::Release();
}

HRESULT CMixerInputPin::QueryPinInterface(REFIID interfaceId, void** object)
{
    if (interfaceId != IID_IAMAudioInputMixer)
        return E_NOINTERFACE;
    *object = static_cast<IAMAudioInputMixer*>(this);
    AddRef();
    return S_OK;
}

HRESULT CMixerInputPin::CheckMediaType(const AM_MEDIA_TYPE*)
{
    return VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CMixerInputPin::put_Enable(BOOL enable)
{
    m_enabled = enable != FALSE;
    return S_OK;
}

HRESULT CMixerInputPin::get_Enable(BOOL* enable)
{
    return Read<BOOL>(m_enabled, enable);
}

HRESULT CMixerInputPin::put_Mono(BOOL mono)
{
    m_mono = mono != FALSE;
    return S_OK;
}

HRESULT CMixerInputPin::get_Mono(BOOL* mono)
{
    return Read<BOOL>(m_mono, mono);
}

HRESULT CMixerInputPin::put_MixLevel(double level)
{
    return Store(level, 0.0, 1.0, m_level);
}

HRESULT CMixerInputPin::get_MixLevel(double* level)
{
    return Read(m_level, level);
}

HRESULT CMixerInputPin::put_Pan(double pan)
{
    return Store(pan, -1.0, 1.0, m_pan);
}

HRESULT CMixerInputPin::get_Pan(double* pan)
{
    return Read(m_pan, pan);
}

HRESULT CMixerInputPin::put_Loudness(BOOL loudness)
{
    m_loudness = loudness != FALSE;
    return S_OK;
}

HRESULT CMixerInputPin::get_Loudness(BOOL* loudness)
{
    return Read<BOOL>(m_loudness, loudness);
}

HRESULT CMixerInputPin::put_Treble(double treble)
{
    return Store(treble, -kToneRange, kToneRange, m_treble);
}

HRESULT CMixerInputPin::get_Treble(double* treble)
{
    return Read(m_treble, treble);
}

HRESULT CMixerInputPin::get_TrebleRange(double* range)
{
    return Read(kToneRange, range);
}

HRESULT CMixerInputPin::put_Bass(double bass)
{
    return Store(bass, -kToneRange, kToneRange, m_bass);
}

HRESULT CMixerInputPin::get_Bass(double* bass)
{
    return Read(m_bass, bass);
}

HRESULT CMixerInputPin::get_BassRange(double* range)
{
    return Read(kToneRange, range);
}
