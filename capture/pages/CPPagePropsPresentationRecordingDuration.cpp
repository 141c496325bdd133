#include "capture/pages/CPPagePropsPresentationRecordingDuration.h"

#include "capture/pages/MediaPagesIds.h"

namespace
{
const CPPagePropsCaptureBase::DurationItems kDuration = {IDC_MOVIE_REC_HOURS, IDC_MOVIE_REC_MINUTES,
                                                         IDC_MOVIE_REC_SECONDS};
}

CPPagePropsPresentationRecordingDuration::CPPagePropsPresentationRecordingDuration()
    : CPPagePropsCaptureRecord(IDD_PROPS_MOVIE_REC_DURATION, SP_PRESENTATION_RECORDING, 1, 3, true)
{
}

void CPPagePropsPresentationRecordingDuration::InitControls()
{
    BindDuration(m_duration, kDuration);
    BindNumber(m_frequency, IDC_MOVIE_FREQ, 0, 999);
    SendMessageW(GetDlgItem(IDC_MOVIE_FREQ_SPIN), UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_MOVIE_FREQ)),
                 0);
    BindCount(m_frameRate, IDC_MOVIE_FRAME_RATE, IDC_MOVIE_FRAME_RATE_SPIN, 1, 999, Copy().RecFramesRate);
}

void CPPagePropsPresentationRecordingDuration::RecordToControls()
{
    ShowDuration(kDuration, static_cast<unsigned int>(Copy().RecDuration));
    SetNumber(IDC_MOVIE_FRAME_RATE, Copy().RecFramesRate);
    const bool each = Copy().RecFreq >= 1;
    ShowFrequencyMode(each, each ? Copy().RecFreq : 0);
    UpdateEnabling();
}

void CPPagePropsPresentationRecordingDuration::ReadControls()
{
    Copy().RecDuration = static_cast<int>(ReadDuration(kDuration));
    Copy().RecFreq = GetNumber(IDC_MOVIE_FREQ);
    Copy().RecFramesRate = GetNumber(IDC_MOVIE_FRAME_RATE);
    UpdateEnabling();
}

bool CPPagePropsPresentationRecordingDuration::OnCommand(UINT code, UINT id, HWND control)
{
    if (code == BN_CLICKED && (id == IDC_MOVIE_EACH || id == IDC_MOVIE_MANUAL))
    {
        const bool each = id == IDC_MOVIE_EACH;
        ShowFrequencyMode(each, each ? 1 : 0);
        UpdateEnabling();
        return true;
    }
    return CPPagePropsCaptureRecord::OnCommand(code, id, control);
}

void CPPagePropsPresentationRecordingDuration::ShowFrequencyMode(bool each, int value)
{
    SetCheck(IDC_MOVIE_EACH, each);
    SetCheck(IDC_MOVIE_MANUAL, !each);
    m_frequency.SetMin(each ? 1 : 0);
    SetSpin(IDC_MOVIE_FREQ_SPIN, each ? 1 : 0, 999, value);
    SetNumber(IDC_MOVIE_FREQ, value);
}

void CPPagePropsPresentationRecordingDuration::UpdateEnabling()
{
    const bool timed = Copy().RecDuration >= 1;
    const bool each = timed && GetCheck(IDC_MOVIE_EACH);
    EnableItems({IDC_MOVIE_FREQ_LABEL, IDC_MOVIE_EACH, IDC_MOVIE_MANUAL}, timed);
    EnableItems({IDC_MOVIE_FREQ, IDC_MOVIE_FREQ_SPIN, IDC_MOVIE_FREQ_UNIT}, each);
}

void CPPagePropsPresentationRecordingDuration::TakeOwnFields(InfoPresentationRecording& live,
                                                             const InfoPresentationRecording& copy)
{
    live.RecDuration = copy.RecDuration;
    live.RecFreq = copy.RecFreq;
    live.RecFramesRate = copy.RecFramesRate;
}
