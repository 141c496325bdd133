#include "VellWizSchTask/CWizTaskAudioPlaying.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "capture/destinations/CaptureTables.h"

// The base keeps references to the record's fields, which it uses only once the page
// runs.
CWizTaskAudioPlaying::CWizTaskAudioPlaying(CWizTaskPropSheet& sheet)
    : CWizTaskPlayingPage(
          sheet, IDD_WIZ_AUDIO_PLAYING, IDS_WIZ_AUDIO_PLAYING_TITLE, IDS_WIZ_AUDIO_PLAYING_SUBTITLE,
          {IDC_WZ_AUDIO_PLAY_FILE, IDC_WZ_AUDIO_PLAY_BROWSE, IDC_WZ_AUDIO_PLAY_HOURS, IDC_WZ_AUDIO_PLAY_MINUTES,
           IDC_WZ_AUDIO_PLAY_SECONDS, IDC_WZ_AUDIO_PLAY_REPEAT, IDC_AUDIO_PLAY_SPIN, 0, 0, 0, 0, 0, 0},
          {m_record.PlayFName, m_record.PlayDuration, m_record.PlayRepeat, nullptr, nullptr, nullptr, nullptr, nullptr},
          {L"Audio Files (*.wav; *.mpa; *.mp2; *.mp3; *.au; *.aif; *.aiff; *.snd)|*.wav; *.mpa; *.mp2; *.mp3; *.au; "
           L"*.aif; *.aiff; *.snd||",
           [](const CString& path) { return IsAudioFileExtension(path, false); },
           L"Invalid audio file extension. An audio file extension shoud be .wav, .mpa, .mp2, .mp3, .au, .aif, .aiff "
           L"or .snd."})
{
}
