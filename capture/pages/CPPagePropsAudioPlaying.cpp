#include "capture/pages/CPPagePropsAudioPlaying.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/MediaPagesIds.h"

namespace
{
const CPPagePropsCaptureBase::DurationItems kDuration = {IDC_AUDIO_PLAY_HOURS, IDC_AUDIO_PLAY_MINUTES,
                                                         IDC_AUDIO_PLAY_SECONDS};
}

CPPagePropsAudioPlaying::CPPagePropsAudioPlaying()
    : CPPagePropsCaptureRecord(IDD_PROPS_AUDIO_PLAYING, SP_AUDIO_PLAYING, 0, 0, true)
{
}

void CPPagePropsAudioPlaying::InitControls()
{
    BindPath(m_file, IDC_AUDIO_PLAY_FILE, 260);
    BindDuration(m_duration, kDuration);
    BindCount(m_repeat, IDC_AUDIO_PLAY_REPEAT, IDC_AUDIO_PLAY_REPEAT_SPIN, 0, 20, Copy().PlayRepeat);
}

void CPPagePropsAudioPlaying::RecordToControls()
{
    SetText(IDC_AUDIO_PLAY_FILE, Copy().PlayFName);
    ShowDuration(kDuration, Copy().PlayDuration);
    SetNumber(IDC_AUDIO_PLAY_REPEAT, Copy().PlayRepeat);
}

void CPPagePropsAudioPlaying::ReadControls()
{
    Copy().PlayFName = GetText(IDC_AUDIO_PLAY_FILE);
    Copy().PlayDuration = ReadDuration(kDuration);
    Copy().PlayRepeat = GetNumber(IDC_AUDIO_PLAY_REPEAT);
}

bool CPPagePropsAudioPlaying::Check()
{
    return CheckPlayedFile(
        Copy().PlayFName, IDC_AUDIO_PLAY_FILE, [](const CString& path) { return IsAudioFileExtension(path, false); },
        LoadText(IDS_MEDIA_AUDIO_EXTENSION, L".wav, .mpa, .mp2, .mp3, .au, .aif, .aiff or .snd"));
}

bool CPPagePropsAudioPlaying::OnCommand(UINT code, UINT id, HWND control)
{
    if (id != IDC_AUDIO_PLAY_BROWSE || code != BN_CLICKED)
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    BrowseFileInto(IDC_AUDIO_PLAY_FILE, L"Audio Files (*.wav; *.mpa; *.mp2; *.mp3; *.au; *.aif; *.aiff; *.snd)|*.wav; "
                                        L"*.mpa; *.mp2; *.mp3; *.au; *.aif; *.aiff; *.snd||");
    return true;
}
