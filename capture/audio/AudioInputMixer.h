#pragma once
// The audio mixer of one input pin of an audio capture filter.
#include "framework/CString.h"
#include <strmif.h>
#include <wrl/client.h>

// The mixer of filter's input pin named name (case ignored); VFW_E_NOT_FOUND when no
// input pin of that name has one.
HRESULT FindInputMixer(IBaseFilter* filter, const CString& name, Microsoft::WRL::ComPtr<IAMAudioInputMixer>& mixer);

// Reads the mixer's settings into the variables values point at, in the order Enable,
// Mono, MixLevel, Pan, Loudness, Treble, TrebleRange, Bass, BassRange (BOOL for the
// switches, double for the levels); a null value is skipped, as is a setting the mixer
// cannot give.
void ReadInputMixer(IAMAudioInputMixer* mixer, const UINT_PTR (&values)[9]);
