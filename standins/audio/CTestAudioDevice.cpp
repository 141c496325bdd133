#include "standins/audio/CTestAudioDevice.h"

#include "standins/audio/CDevicePresence.h"
#include "standins/audio/TestAudioIds.h"

#include <evcode.h>
#include <new>

IUnknown* CTestAudioDevice::Create()
{
    return static_cast<IBaseFilter*>(new (std::nothrow) CTestAudioDevice());
}

CTestAudioDevice::CTestAudioDevice() : CKitFilter(CLSID_TestAudioDevice), m_capture(this)
{
    for (int i = 0; i < kTestAudioInputCount; ++i)
        m_inputs[i].reset(new CMixerInputPin(this, kTestAudioInputs[i], i == 0));
}

CTestAudioDevice::~CTestAudioDevice()
{
    CDevicePresence::Instance().Remove(this);
}

int CTestAudioDevice::PinCount()
{
    return kTestAudioInputCount + 1;
}

// The named inputs first, then the capture pin.
CKitPin* CTestAudioDevice::PinAt(int index)
{
    if (index < 0 || index > kTestAudioInputCount)
        return nullptr;
    return index < kTestAudioInputCount ? static_cast<CKitPin*>(m_inputs[index].get()) : &m_capture;
}

bool CTestAudioDevice::IsPresent() const
{
    return CDevicePresence::Instance().IsPresent();
}

bool CTestAudioDevice::IsMicrophoneEnabled() const
{
    return m_inputs[0]->IsEnabled();
}

void CTestAudioDevice::ReportPresence(bool present)
{
    NotifyGraph(EC_DEVICE_LOST, reinterpret_cast<LONG_PTR>(static_cast<IBaseFilter*>(this)), present ? 1 : 0);
}

HRESULT CTestAudioDevice::OnActivate()
{
    return m_capture.StartCapture();
}

void CTestAudioDevice::OnDeactivate()
{
    m_capture.SetRunning(false);
    m_capture.StopCapture();
}

void CTestAudioDevice::OnRun(REFERENCE_TIME start)
{
    m_capture.SetRunning(true, start);
}

void CTestAudioDevice::OnPauseFromRun()
{
    m_capture.SetRunning(false);
}

void CTestAudioDevice::OnGraphChanged(IFilterGraph* graph)
{
    if (graph)
        CDevicePresence::Instance().Add(this);
    else
        CDevicePresence::Instance().Remove(this);
}

bool CTestAudioDevice::IsLiveSource() const
{
    return true;
}
