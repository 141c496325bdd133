#include "capture/pages/CPPagePropsCbtRecSound.h"

#include "capture/pages/MediaPagesIds.h"

CPPagePropsCbtRecSound::CPPagePropsCbtRecSound()
    : CPPagePropsCaptureRecord(IDD_PROPS_CBT_REC_SOUND, SP_CBT_RECORDING, 1, 3, true),
      m_lists({IDC_CBT_SOUND_DEVICE, IDC_CBT_SOUND_FORMAT, IDC_CBT_SOUND_PIN, IDC_CBT_SOUND_DEVICE_LABEL,
               IDC_CBT_SOUND_FORMAT_LABEL, IDC_CBT_SOUND_PIN_LABEL})
{
}

void CPPagePropsCbtRecSound::InitControls()
{
    m_lists.Fill(GetSafeHwnd(), Copy().RecSoundDevice, Copy().RecSoundFormat, Copy().RecInputPinName);
}

void CPPagePropsCbtRecSound::RecordToControls()
{
    m_lists.Select(Copy().RecSoundDevice, Copy().RecSoundFormat, Copy().RecInputPinName);
    SetCheck(IDC_CBT_SOUND, Copy().RecSound);
    m_lists.Enable(GetCheck(IDC_CBT_SOUND));
}

void CPPagePropsCbtRecSound::ReadControls()
{
    Copy().RecSound = GetCheck(IDC_CBT_SOUND);
    Copy().RecSoundDevice = m_lists.Device();
    Copy().RecSoundFormat = m_lists.Format();
    Copy().RecInputPinName = m_lists.Pin();
}

bool CPPagePropsCbtRecSound::Check()
{
    return CheckAudioInput(Copy().RecSoundDevice, Copy().RecSoundFormat, Copy().RecInputPinName, Copy().RecSound,
                           {IDC_CBT_SOUND_DEVICE, IDC_CBT_SOUND_FORMAT, IDC_CBT_SOUND_PIN});
}

bool CPPagePropsCbtRecSound::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_CBT_SOUND_DEVICE && code == CBN_SELCHANGE)
        m_lists.OnDeviceChanged();
    else if (id == IDC_CBT_SOUND && code == BN_CLICKED)
    {
        Copy().RecSound = GetCheck(IDC_CBT_SOUND);
        m_lists.Enable(GetCheck(IDC_CBT_SOUND));
    }
    else
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    return true;
}

void CPPagePropsCbtRecSound::TakeOwnFields(InfoCBTRecording& live, const InfoCBTRecording& copy)
{
    live.RecSoundDevice = copy.RecSoundDevice;
    live.RecSoundFormat = copy.RecSoundFormat;
    live.RecInputPinName = copy.RecInputPinName;
    live.RecSound = copy.RecSound;
}
