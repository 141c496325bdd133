#include "capture/pages/CPPagePropsAudioRecDevices.h"

#include "capture/pages/MediaPagesIds.h"

CPPagePropsAudioRecDevices::CPPagePropsAudioRecDevices()
    : CPPagePropsCaptureRecord(IDD_PROPS_AUDIO_REC_DEVICES, SP_AUDIO_RECORDING, 1, 3, true),
      m_lists({IDC_AUDIO_DEVICE, IDC_AUDIO_FORMAT, IDC_AUDIO_PIN, 0, 0, 0})
{
}

void CPPagePropsAudioRecDevices::InitControls()
{
    m_lists.Fill(GetSafeHwnd(), Copy().RecInputDevice, Copy().RecInputFormat, Copy().RecInputPinName);
}

void CPPagePropsAudioRecDevices::RecordToControls()
{
    m_lists.Select(Copy().RecInputDevice, Copy().RecInputFormat, Copy().RecInputPinName);
    SetCheck(IDC_AUDIO_AUDITION, Copy().RecAudition);
}

void CPPagePropsAudioRecDevices::ReadControls()
{
    Copy().RecInputDevice = m_lists.Device();
    Copy().RecInputFormat = m_lists.Format();
    Copy().RecInputPinName = m_lists.Pin();
    Copy().RecAudition = GetCheck(IDC_AUDIO_AUDITION);
}

bool CPPagePropsAudioRecDevices::Check()
{
    return CheckAudioInput(Copy().RecInputDevice, Copy().RecInputFormat, Copy().RecInputPinName, true,
                           {IDC_AUDIO_DEVICE, IDC_AUDIO_FORMAT, IDC_AUDIO_PIN});
}

bool CPPagePropsAudioRecDevices::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_AUDIO_DEVICE && code == CBN_SELCHANGE)
        m_lists.OnDeviceChanged();
    else if (id == IDC_AUDIO_AUDITION && code == BN_CLICKED)
        Copy().RecAudition = GetCheck(IDC_AUDIO_AUDITION);
    else
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    return true;
}

void CPPagePropsAudioRecDevices::TakeOwnFields(InfoAudioRecording& live, const InfoAudioRecording& copy)
{
    live.RecInputDevice = copy.RecInputDevice;
    live.RecInputFormat = copy.RecInputFormat;
    live.RecInputPinName = copy.RecInputPinName;
    live.RecAudition = copy.RecAudition;
}
