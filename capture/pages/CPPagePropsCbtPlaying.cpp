#include "capture/pages/CPPagePropsCbtPlaying.h"

#include "capture/pages/MediaPagesIds.h"

namespace
{
const CPPagePropsCaptureBase::DurationItems kDuration = {IDC_CBT_PLAY_HOURS, IDC_CBT_PLAY_MINUTES,
                                                         IDC_CBT_PLAY_SECONDS};
const wchar_t kTrainingExtension[] = L".vtf";

bool HasTrainingExtension(const CString& path)
{
    const int length = path.GetLength();
    const int extension = static_cast<int>(wcslen(kTrainingExtension));
    return length >= extension && path.Right(extension).CompareNoCase(kTrainingExtension) == 0;
}
} // namespace

CPPagePropsCbtPlaying::CPPagePropsCbtPlaying()
    : CPPagePropsCaptureRecord(IDD_PROPS_CBT_PLAYING, SP_CBT_PLAYING, 0, 2, false)
{
}

void CPPagePropsCbtPlaying::InitControls()
{
    BindPath(m_file, IDC_CBT_PLAY_FILE, 260);
    BindDuration(m_duration, kDuration);
    BindCount(m_repeat, IDC_CBT_PLAY_REPEAT, IDC_CBT_PLAY_REPEAT_SPIN, 0, 20, Copy().PlayRepeat);
}

void CPPagePropsCbtPlaying::RecordToControls()
{
    SetText(IDC_CBT_PLAY_FILE, Copy().PlayFName);
    ShowDuration(kDuration, Copy().PlayDuration);
    SetNumber(IDC_CBT_PLAY_REPEAT, Copy().PlayRepeat);
    SetCheck(IDC_CBT_PLAY_SOUND, Copy().PlaySound);
    SetCheck(IDC_CBT_PLAY_SKIP_MOUSE, Copy().PlaySkipMouse);
    SetCheck(IDC_CBT_PLAY_SKIP_KEYBOARD, Copy().PlaySkipKeyboard);
}

void CPPagePropsCbtPlaying::ReadControls()
{
    Copy().PlayFName = GetText(IDC_CBT_PLAY_FILE);
    Copy().PlayDuration = ReadDuration(kDuration);
    Copy().PlayRepeat = GetNumber(IDC_CBT_PLAY_REPEAT);
    Copy().PlaySound = GetCheck(IDC_CBT_PLAY_SOUND);
    Copy().PlaySkipMouse = GetCheck(IDC_CBT_PLAY_SKIP_MOUSE);
    Copy().PlaySkipKeyboard = GetCheck(IDC_CBT_PLAY_SKIP_KEYBOARD);
}

bool CPPagePropsCbtPlaying::Check()
{
    return CheckPlayedFile(Copy().PlayFName, IDC_CBT_PLAY_FILE, HasTrainingExtension,
                           LoadText(IDS_MEDIA_TRAINING_EXTENSION, kTrainingExtension));
}

bool CPPagePropsCbtPlaying::OnCommand(UINT code, UINT id, HWND control)
{
    if (code != BN_CLICKED)
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    switch (id)
    {
    case IDC_CBT_PLAY_BROWSE:
        BrowseFileInto(IDC_CBT_PLAY_FILE, L"Vellumor Training Files (*.vtf)|*.vtf||");
        return true;
    case IDC_CBT_PLAY_SOUND:
        Copy().PlaySound = GetCheck(id);
        return true;
    case IDC_CBT_PLAY_SKIP_MOUSE:
        Copy().PlaySkipMouse = GetCheck(id);
        return true;
    case IDC_CBT_PLAY_SKIP_KEYBOARD:
        Copy().PlaySkipKeyboard = GetCheck(id);
        return true;
    default:
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    }
}

void CPPagePropsCbtPlaying::TakeOwnFields(InfoCBTPlaying& live, const InfoCBTPlaying& copy)
{
    live.PlayFName = copy.PlayFName;
    live.PlayDuration = copy.PlayDuration;
    live.PlayRepeat = copy.PlayRepeat;
    live.PlaySound = copy.PlaySound;
    live.PlaySkipMouse = copy.PlaySkipMouse;
    live.PlaySkipKeyboard = copy.PlaySkipKeyboard;
}
