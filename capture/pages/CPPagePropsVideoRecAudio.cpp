#include "capture/pages/CPPagePropsVideoRecAudio.h"

#include "capture/pages/MediaPagesIds.h"

CPPagePropsVideoRecAudio::CPPagePropsVideoRecAudio()
    : CPPagePropsCaptureRecord(IDD_PROPS_VIDEO_REC_AUDIO, SP_VIDEO_RECORDING, 2, 4, false),
      m_lists({IDC_VIDEO_AUDIO_DEVICE, IDC_VIDEO_AUDIO_FORMAT, IDC_VIDEO_AUDIO_PIN, IDC_VIDEO_AUDIO_DEVICE_LABEL,
               IDC_VIDEO_AUDIO_FORMAT_LABEL, IDC_VIDEO_AUDIO_PIN_LABEL})
{
}

void CPPagePropsVideoRecAudio::InitControls()
{
    m_lists.Fill(GetSafeHwnd(), Copy().RecAudioInputDevice, Copy().RecAudioInputFormat, Copy().RecAudioInputPinName);
}

void CPPagePropsVideoRecAudio::RecordToControls()
{
    m_lists.Select(Copy().RecAudioInputDevice, Copy().RecAudioInputFormat, Copy().RecAudioInputPinName);
    SetCheck(IDC_VIDEO_AUDIO, Copy().RecAudio);
    m_lists.Enable(GetCheck(IDC_VIDEO_AUDIO));
}

void CPPagePropsVideoRecAudio::ReadControls()
{
    Copy().RecAudio = GetCheck(IDC_VIDEO_AUDIO);
    Copy().RecAudioInputDevice = m_lists.Device();
    Copy().RecAudioInputFormat = m_lists.Format();
    Copy().RecAudioInputPinName = m_lists.Pin();
}

bool CPPagePropsVideoRecAudio::Check()
{
    // The input is checked also while no audio is recorded.
    return CheckAudioInput(Copy().RecAudioInputDevice, Copy().RecAudioInputFormat, Copy().RecAudioInputPinName, true,
                           {IDC_VIDEO_AUDIO_DEVICE, IDC_VIDEO_AUDIO_FORMAT, IDC_VIDEO_AUDIO_PIN});
}

bool CPPagePropsVideoRecAudio::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_VIDEO_AUDIO_DEVICE && code == CBN_SELCHANGE)
        m_lists.OnDeviceChanged();
    else if (id == IDC_VIDEO_AUDIO && code == BN_CLICKED)
    {
        Copy().RecAudio = GetCheck(IDC_VIDEO_AUDIO);
        m_lists.Enable(GetCheck(IDC_VIDEO_AUDIO));
    }
    else
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    return true;
}

void CPPagePropsVideoRecAudio::TakeOwnFields(InfoVideoRecording& live, const InfoVideoRecording& copy)
{
    live.RecAudio = copy.RecAudio;
    live.RecAudioInputDevice = copy.RecAudioInputDevice;
    live.RecAudioInputFormat = copy.RecAudioInputFormat;
    live.RecAudioInputPinName = copy.RecAudioInputPinName;
}
