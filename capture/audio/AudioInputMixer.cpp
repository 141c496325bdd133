#include "capture/audio/AudioInputMixer.h"

#include "common/DirectShowHelpers.h"
#include <vfwmsgs.h>

using Microsoft::WRL::ComPtr;

namespace
{
template <class Value> void Read(HRESULT (STDMETHODCALLTYPE IAMAudioInputMixer::*get)(Value*), IAMAudioInputMixer* mixer,
                                 UINT_PTR target)
{
    if (target)
        (mixer->*get)(reinterpret_cast<Value*>(target));
}

bool HasName(IPin* pin, const CString& name)
{
    PIN_INFO info = {};
    if (FAILED(pin->QueryPinInfo(&info)))
        return false;
    if (info.pFilter)
        info.pFilter->Release();
    return name.CompareNoCase(info.achName) == 0;
}
} // namespace

HRESULT FindInputMixer(IBaseFilter* filter, const CString& name, ComPtr<IAMAudioInputMixer>& mixer)
{
    const int inputs = filter ? CountPins(filter, PINDIR_INPUT) : 0;
    for (int index = 0; index < inputs; ++index)
    {
        ComPtr<IPin> pin;
        if (SUCCEEDED(GetPin(filter, PINDIR_INPUT, index, &pin)) && HasName(pin.Get(), name) &&
            SUCCEEDED(pin->QueryInterface(IID_IAMAudioInputMixer,
                                          reinterpret_cast<void**>(mixer.ReleaseAndGetAddressOf()))))
            return S_OK;
    }
    return VFW_E_NOT_FOUND;
}

void ReadInputMixer(IAMAudioInputMixer* mixer, const UINT_PTR (&values)[9])
{
    Read(&IAMAudioInputMixer::get_Enable, mixer, values[0]);
    Read(&IAMAudioInputMixer::get_Mono, mixer, values[1]);
    Read(&IAMAudioInputMixer::get_MixLevel, mixer, values[2]);
    Read(&IAMAudioInputMixer::get_Pan, mixer, values[3]);
    Read(&IAMAudioInputMixer::get_Loudness, mixer, values[4]);
    Read(&IAMAudioInputMixer::get_Treble, mixer, values[5]);
    Read(&IAMAudioInputMixer::get_TrebleRange, mixer, values[6]);
    Read(&IAMAudioInputMixer::get_Bass, mixer, values[7]);
    Read(&IAMAudioInputMixer::get_BassRange, mixer, values[8]);
}
