#include "standins/camera/CTestCrossbar.h"

#include "standins/camera/CCameraPropertyPage.h"
#include "standins/camera/TestCameraIds.h"

#include <uuids.h>

namespace
{
// Connector types and related pins, by index: inputs then outputs.
const long kInputTypes[] = {PhysConn_Video_Composite, PhysConn_Video_SVideo, PhysConn_Video_Tuner,
                            PhysConn_Audio_Tuner};
const long kInputRelated[] = {-1, -1, 3, 2};
const long kOutputTypes[] = {PhysConn_Video_VideoDecoder, PhysConn_Audio_AudioDecoder};
const long kOutputRelated[] = {1, 0};

bool IsAudio(long type)
{
    return type >= PhysConn_Audio_Tuner;
}
} // namespace

CTestCrossbar::CTestCrossbar()
    : CKitFilter(GUID_NULL),
      m_inputs{{this, L"Video Composite", MEDIATYPE_AnalogVideo},
               {this, L"Video SVideo", MEDIATYPE_AnalogVideo},
               {this, L"Video Tuner", MEDIATYPE_AnalogVideo},
               {this, L"Audio Tuner", MEDIATYPE_AnalogAudio}},
      m_outputs{{this, L"Video Decoder", MEDIATYPE_AnalogVideo}, {this, L"Audio Decoder", MEDIATYPE_AnalogAudio}}
{
}

HRESULT CTestCrossbar::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitFilter::QueryInterface(interfaceId, object);
}

ULONG CTestCrossbar::AddRef()
{
    return CKitFilter::AddRef();
}

ULONG CTestCrossbar::Release()
{
    return CKitFilter::Release();
}

HRESULT CTestCrossbar::QueryFilterInterface(REFIID interfaceId, void** object)
{
    if (interfaceId == IID_IAMCrossbar)
        *object = static_cast<IAMCrossbar*>(this);
    else if (interfaceId == IID_ISpecifyPropertyPages)
        *object = static_cast<ISpecifyPropertyPages*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT CTestCrossbar::get_PinCounts(long* outputs, long* inputs)
{
    if (!outputs || !inputs)
        return E_POINTER;
    *outputs = kOutputs;
    *inputs = kInputs;
    return S_OK;
}

HRESULT CTestCrossbar::CanRoute(long output, long input)
{
    if (output < 0 || output >= kOutputs || input < 0 || input >= kInputs)
        return E_INVALIDARG;
    return IsAudio(kOutputTypes[output]) == IsAudio(kInputTypes[input]) ? S_OK : S_FALSE;
}

HRESULT CTestCrossbar::Route(long output, long input)
{
    const HRESULT result = CanRoute(output, input);
    if (result != S_OK)
        return result == S_FALSE ? E_FAIL : result;
    m_routed[output] = input;
    return S_OK;
}

HRESULT CTestCrossbar::get_IsRoutedTo(long output, long* input)
{
    if (!input)
        return E_POINTER;
    if (output < 0 || output >= kOutputs)
        return E_INVALIDARG;
    *input = m_routed[output];
    return S_OK;
}

HRESULT CTestCrossbar::get_CrossbarPinInfo(BOOL isInput, long index, long* related, long* type)
{
    if (!related || !type)
        return E_POINTER;
    if (index < 0 || index >= (isInput ? kInputs : kOutputs))
        return E_INVALIDARG;
    *related = isInput ? kInputRelated[index] : kOutputRelated[index];
    *type = isInput ? kInputTypes[index] : kOutputTypes[index];
    return S_OK;
}

HRESULT CTestCrossbar::GetPages(CAUUID* pages)
{
    return CCameraPropertyPage::GetPages(pages);
}

int CTestCrossbar::PinCount()
{
    return kInputs + kOutputs;
}

CKitPin* CTestCrossbar::PinAt(int index)
{
    if (index >= 0 && index < kInputs)
        return &m_inputs[index];
    return index >= kInputs && index < kInputs + kOutputs ? &m_outputs[index - kInputs] : nullptr;
}
