#include "capture/pages/CPPageSettsCommonTime.h"

#include "Info/InfoAudioPlaying.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoVideoPlaying.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CaptureType.h"
#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/SettingsPagesIds.h"
#include "capture/pages/TrainingFileLength.h"
#include "common/DirectShowHelpers.h"

#include <uuids.h>

namespace
{
// The file a playback plays: the manager's live record when it keeps one, else the
// record as the registry holds it.
template <class Record> CString PlayFile(SendParam* live)
{
    Record stored;
    if (live && live->GetType() == stored.GetType())
        return static_cast<Record*>(live)->PlayFName;
    stored.LoadFromRegistry();
    return stored.PlayFName;
}

template <class Manager> SendParam* LivePlaying(Manager* manager)
{
    return manager ? manager->GetLiveRecord(false) : nullptr;
}

bool IsRecordingType(int type)
{
    return type <= SP_CBT_RECORDING || (type < SP_PRESENTATION_PLAYING && type % 2 == 0);
}
} // namespace

CPPageSettsCommonTime::CPPageSettsCommonTime(int type) : CPPageSettsBase(IDD_SETTS_COMMON_TIME, type, 0, true)
{
}

BOOL CPPageSettsCommonTime::OnInitDialog()
{
    CPPageSettsBase::OnInitDialog();
    const bool running = IsActionRunning(false);
    if (CLocalController* controller = GetHostController())
        controller->AttachTimePage(GetDlgItem(IDC_TIME_ELAPSED_LABEL), GetDlgItem(IDC_TIME_ELAPSED), running);
    UpdateTotalTime();
    m_animation.SubclassDlgItem(IDC_TIME_ANIMATION, GetSafeHwnd());
    m_animation.Open(IDR_SETTS_ACTION_ANIMATION);
    ShowAction(false);
    return TRUE;
}

LRESULT CPPageSettsCommonTime::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
    {
        ResetAction();
        m_animation.Close();
        // The display must not write into texts that are gone (or into windows that
        // later get their handles).
        if (CLocalController* controller = GetHostController())
            controller->AttachTimePage(nullptr, nullptr, false);
    }
    return CPPageSettsBase::WindowProc(message, wParam, lParam);
}

bool CPPageSettsCommonTime::IsActionRunning(bool force)
{
    CLocalController* controller = GetHostController();
    if (!controller)
        return false;
    const int type = GetRecordType();
    const int kind = controller->GetCaptureType();
    const bool recordMode = controller->IsRecActive(kind);
    const bool recording = controller->IsRecording() && !controller->IsPaused();
    const bool playing = controller->IsPlaying() && !controller->IsPaused();
    switch (kind)
    {
    case CT_SCREEN:
        return type >= SP_SC_FILE && type <= SP_SC_WEB && GetSheetType() == type && recording;
    case CT_TRAINING:
        if (recordMode)
            return type == SP_CBT_RECORDING && (force || recording);
        return type == SP_CBT_PLAYING && (force || playing);
    case CT_AUDIO:
    case CT_VIDEO:
    case CT_MOVIE:
    {
        // Each media kind has its recording type, then its playing type.
        const int recordType = SP_AUDIO_RECORDING + 2 * (kind - CT_AUDIO);
        if (recordMode)
            return type == recordType && recording;
        return type == recordType + 1 && playing;
    }
    default:
        return false;
    }
}

void CPPageSettsCommonTime::ShowAction(bool force)
{
    if (!IsActionRunning(force))
    {
        SetActionText(L"No action...");
        return;
    }
    SetActionText(IsRecordingType(GetRecordType()) ? L"Recording..." : L"Playing...");
    m_animation.Play();
}

void CPPageSettsCommonTime::ResetAction()
{
    m_animation.Stop();
    m_animation.Seek(0);
    SetActionText(L"No action...");
}

void CPPageSettsCommonTime::UpdateTotalTime()
{
    const bool playing = IsPlayingType();
    ShowWindow(GetDlgItem(IDC_TIME_TOTAL_LABEL), playing ? SW_SHOW : SW_HIDE);
    ShowWindow(GetDlgItem(IDC_TIME_TOTAL), playing ? SW_SHOW : SW_HIDE);
    const long seconds = playing ? GetPlaybackLength() : -1;
    if (CLocalController* controller = GetHostController())
        controller->SetTotalToPlay(static_cast<int>(seconds));
    if (playing)
        SetDlgItemTextW(GetSafeHwnd(), IDC_TIME_TOTAL, FormatMediaLength(seconds));
}

bool CPPageSettsCommonTime::IsPlayingType() const
{
    return !IsRecordingType(GetRecordType());
}

long CPPageSettsCommonTime::GetPlaybackLength() const
{
    CLocalController* controller = GetHostController();
    switch (GetRecordType())
    {
    case SP_CBT_PLAYING:
        return GetTrainingFileLength(
            PlayFile<InfoCBTPlaying>(controller ? LivePlaying(controller->GetTrainingManager()) : nullptr));
    case SP_AUDIO_PLAYING:
        return GetMediaLength(
            PlayFile<InfoAudioPlaying>(controller ? LivePlaying(controller->GetAudioManager()) : nullptr),
            MEDIATYPE_Audio);
    case SP_VIDEO_PLAYING:
        return GetMediaLength(
            PlayFile<InfoVideoPlaying>(controller ? LivePlaying(controller->GetVideoManager()) : nullptr),
            MEDIATYPE_Video);
    case SP_PRESENTATION_PLAYING:
        return GetMediaLength(
            PlayFile<InfoPresentationPlaying>(controller ? LivePlaying(controller->GetMovieManager()) : nullptr),
            MEDIATYPE_Video);
    default:
        return -1;
    }
}

void CPPageSettsCommonTime::SetActionText(const wchar_t* text)
{
    SetDlgItemTextW(GetSafeHwnd(), IDC_TIME_ACTION_TEXT, text);
}
