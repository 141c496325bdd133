#include "VellWizSchTask/CWizTaskPresentationRecordingDuration.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/pages/CaptureUiHelpers.h"

namespace
{
void SetUpSpin(HWND spin, HWND buddy, int low, int high, int position)
{
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
    SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
    SendMessageW(spin, UDM_SETPOS32, 0, position);
}
} // namespace

CWizTaskPresentationRecordingDuration::CWizTaskPresentationRecordingDuration(CWizTaskPropSheet& sheet,
                                                                             InfoPresentationRecording& record)
    : CWizTaskPage(sheet, IDD_WIZ_MOVIE_DURATION, IDS_WIZ_MOVIE_RECORDING_TITLE, IDS_WIZ_MOVIE_DURATION_SUBTITLE),
      m_record(record)
{
}

BOOL CWizTaskPresentationRecordingDuration::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    SetDurationEditTexts(m_record.RecDuration, GetDlgItem(IDC_MOVIE_HOURS), GetDlgItem(IDC_MOVIE_MINUTES),
                         GetDlgItem(IDC_MOVIE_SECONDS));
    SetUpSpin(GetDlgItem(IDC_WZ_MOVIE_FREQ_SPIN), GetDlgItem(IDC_WZ_MOVIE_FREQ), 0, 999, m_record.RecFreq);
    SetUpSpin(GetDlgItem(IDC_WZ_MOVIE_FRAME_RATE_SPIN), GetDlgItem(IDC_WZ_MOVIE_FRAME_RATE), 1, 999,
              m_record.RecFramesRate);
    return TRUE;
}

bool CWizTaskPresentationRecordingDuration::CheckNext()
{
    m_record.RecFramesRate = GetItemInt(IDC_WZ_MOVIE_FRAME_RATE);
    m_record.RecFreq = GetItemInt(IDC_WZ_MOVIE_FREQ);
    return TakeRequiredDuration(IDC_MOVIE_HOURS, IDC_MOVIE_MINUTES, IDC_MOVIE_SECONDS, m_record.RecDuration);
}
