#include "VellWizSchTask/CWizTaskPresentationPlayingGeneral.h"

#include "VellWizSchTask/TaskWizardResources.h"

// The base keeps references to the record's fields, which it uses only once the page
// runs.
CWizTaskPresentationPlayingGeneral::CWizTaskPresentationPlayingGeneral(CWizTaskPropSheet& sheet)
    : CWizTaskPlayingPage(
          sheet, IDD_WIZ_MOVIE_PLAYING, IDS_WIZ_MOVIE_PLAYING_TITLE, IDS_WIZ_MOVIE_PLAYING_SUBTITLE,
          {IDC_WZ_MOVIE_PLAY_FILE, IDC_WZ_MOVIE_PLAY_BROWSE, IDC_WZ_MOVIE_PLAY_HOURS, IDC_WZ_MOVIE_PLAY_MINUTES,
           IDC_WZ_MOVIE_PLAY_SECONDS, IDC_WZ_MOVIE_PLAY_REPEAT, IDC_MOVIE_PLAY_SPIN, IDC_WZ_MOVIE_PLAY_LEFT, IDC_WZ_MOVIE_PLAY_TOP,
           IDC_WZ_MOVIE_PLAY_WIDTH, IDC_WZ_MOVIE_PLAY_HEIGHT, IDC_WZ_MOVIE_PLAY_NORMAL, IDC_WZ_MOVIE_PLAY_AUDIO},
          {m_record.PlayFName, m_record.PlayDuration, m_record.PlayRepeat, &m_record.PlayWndLeft, &m_record.PlayWndTop,
           &m_record.PlayWndWidth, &m_record.PlayWndHeight, &m_record.PlayAudio},
          kVideoMedia)
{
}
