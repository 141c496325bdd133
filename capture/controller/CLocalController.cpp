#include "capture/controller/CLocalController.h"

#include "capture/controller/CaptureType.h"
#include "capture/controller/IControllerHost.h"
#include "capture/destinations/IcqApiAccess.h"
#include "framework/AppMainWnd.h"
#include "framework/AppMessageBox.h"

namespace
{
// The kinds' names in the box of a kind this build does not have yet, by type 1 to 5.
const wchar_t* const kKindNames[] = {L"Screen capture", L"Training capture", L"Audio capture", L"Video capture",
                                     L"Movie capture"};

bool IsMediaType(int type)
{
    return type >= CT_AUDIO && type <= CT_MOVIE;
}
} // namespace

CLocalController::CLocalController(CaptureManagers managers) : m_managers(std::move(managers))
{
    Load();
    if (m_managers.screen)
        m_managers.screen->SetStepTarget(this);
    for (int type = CT_AUDIO; type <= CT_MOVIE; ++type)
    {
        if (IMediaCaptureManager* media = Media(type))
            media->SetStepTarget(this);
    }
    CopySelectionSettings();
}

CLocalController::~CLocalController() = default;

void CLocalController::Load()
{
    CheckIcqDestination();
    if (m_managers.training)
        m_managers.training->LoadFromRegistry();
    for (int type = CT_AUDIO; type <= CT_MOVIE; ++type)
    {
        if (IMediaCaptureManager* media = Media(type))
            media->LoadFromRegistry();
    }
    m_options.LoadFromRegistry();
    m_settings.Load();
}

void CLocalController::CheckIcqDestination()
{
    if (!m_managers.screen || !m_managers.screen->GetSettings()->ICQ)
        return;
    int version = 0;
    if (!InitIcqApi(&version))
        m_managers.screen->GetSettings()->SetSelection(SP_SC_ICQ, false);
}

void CLocalController::CopySelectionSettings()
{
    CScreenCaptureManager* screen = m_managers.screen.get();
    if (screen && m_managers.movie)
        m_managers.movie->SetSelectionSettings(screen->GetSelectionType(), screen->GetHoldTime(),
                                               screen->GetShowSize(), screen->IsCursorCaptured());
}

void CLocalController::SetScreenManagerOwner(ICaptureOwner* owner)
{
    if (m_managers.screen)
        m_managers.screen->SetOwner(owner);
}

void CLocalController::SetPresentationManagerOwner(ICaptureOwner* owner)
{
    if (m_managers.movie)
        m_managers.movie->SetOwner(owner);
}

void CLocalController::SetRecActive(int type, bool record)
{
    m_settings.SetRecActive(type, record);
    if (type == CT_TRAINING && m_managers.training)
        m_managers.training->SetRecordFlag(IsRecActive(CT_TRAINING));
}

IMediaCaptureManager* CLocalController::Media(int type) const
{
    switch (type)
    {
    case CT_AUDIO:
        return m_managers.audio.get();
    case CT_VIDEO:
        return m_managers.video.get();
    case CT_MOVIE:
        return m_managers.movie.get();
    default:
        return nullptr;
    }
}

bool CLocalController::IsAvailable(int type)
{
    bool present = false;
    if (type == CT_SCREEN)
        present = m_managers.screen != nullptr;
    else if (type == CT_TRAINING)
        present = m_managers.training != nullptr;
    else if (IsMediaType(type))
        present = Media(type) != nullptr;
    else
        return false; // a type that names no kind: no command acts
    if (!present)
        AppMessageBox(CString(kKindNames[type - CT_SCREEN]) + L" is not available in this version yet.", MB_OK);
    return present;
}

bool CLocalController::IsRecording()
{
    const int type = GetCaptureType();
    if (type == CT_SCREEN)
        return m_managers.screen && m_managers.screen->IsCapturing();
    if (type == CT_TRAINING)
        return m_managers.training && m_managers.training->IsRecording();
    IMediaCaptureManager* media = Media(type);
    return media && media->IsRecording();
}

bool CLocalController::IsPlaying()
{
    const int type = GetCaptureType();
    if (type == CT_TRAINING)
        return m_managers.training && m_managers.training->IsPlaying();
    IMediaCaptureManager* media = Media(type);
    return media && media->IsPlaying();
}

bool CLocalController::IsPaused()
{
    const int type = GetCaptureType();
    if (type == CT_SCREEN)
        return m_managers.screen && m_managers.screen->IsCapturePaused();
    IMediaCaptureManager* media = Media(type);
    return media && (media->IsRecordingPaused() || media->IsPlayingPaused());
}

bool CLocalController::WasLastCaptureSuccessful(int type)
{
    if (type == CT_SCREEN)
        return m_managers.screen && m_managers.screen->WasLastCaptureSuccessful();
    if (type == CT_MOVIE)
        return m_managers.movie && m_managers.movie->WasLastCaptureSuccessful();
    return false;
}

void CLocalController::AttachTimePage(HWND labelWindow, HWND timeWindow, bool running)
{
    m_display.AttachWindows(labelWindow, timeWindow, running);
}

void CLocalController::Record()
{
    const int type = GetCaptureType();
    if (!IsAvailable(type))
        return;
    if (type == CT_SCREEN)
        ToggleScreenRecording(false);
    else if (type == CT_TRAINING)
        ToggleTraining(true);
    else if (type == CT_MOVIE)
        ToggleMovieRecording(false);
    else
        ToggleMedia(type, true, false);
}

void CLocalController::Play()
{
    const int type = GetCaptureType();
    if (type == CT_SCREEN || !IsAvailable(type))
        return;
    if (type == CT_TRAINING)
        ToggleTraining(false);
    else
        ToggleMedia(type, false, false);
}

void CLocalController::PauseResume()
{
    const int type = GetCaptureType();
    CScreenCaptureManager* screen = m_managers.screen.get();
    if (type == CT_SCREEN && screen && (screen->IsCapturing() || screen->IsCapturePaused()))
        ToggleScreenPause();
    IMediaCaptureManager* media = Media(type);
    if (!media)
        return;
    if (IsSideActive(*media, true))
        ToggleMediaPause(type, true);
    else if (IsSideActive(*media, false))
        ToggleMediaPause(type, false);
}

void CLocalController::Stop()
{
    const int type = GetCaptureType();
    CScreenCaptureManager* screen = m_managers.screen.get();
    ITrainingCaptureManager* training = m_managers.training.get();
    IMediaCaptureManager* media = Media(type);
    if (type == CT_SCREEN && screen && (screen->IsCapturing() || screen->IsCapturePaused()))
        StopScreen();
    else if (type == CT_TRAINING && training && (training->IsRecording() || training->IsRecordingPaused()))
        StopTrainingRecording();
    else if (type == CT_TRAINING && training && training->IsPlaying())
        StopTrainingPlaying();
    else if (media && IsSideActive(*media, true))
        StopMedia(type, true);
    else if (media && IsSideActive(*media, false))
        StopMedia(type, false);
}

void CLocalController::StopAll()
{
    const int type = GetCaptureType();
    const bool active = IsRecording() || (type >= CT_TRAINING && type <= CT_MOVIE && IsPlaying());
    CScreenCaptureManager* screen = m_managers.screen.get();
    if (screen && (screen->IsCapturing() || screen->IsCapturePaused()))
    {
        screen->Stop();
        ResetTimePage();
    }
    ITrainingCaptureManager* training = m_managers.training.get();
    if (training && training->IsRecording())
    {
        CString error;
        if (!training->StopRecording(error))
            AppMessageBox(error, MB_OK);
        ResetTimePage();
    }
    else if (training && training->IsPlaying())
    {
        training->StopPlaying();
        ResetTimePage();
    }
    IMediaCaptureManager* audio = m_managers.audio.get();
    for (bool recorder : {true, false})
    {
        if (!audio || !IsSideActive(*audio, recorder))
            continue;
        if (!(recorder ? audio->StopRecording() : audio->StopPlaying()))
            ShowMediaError(*audio, recorder);
        ResetTimePage();
        break;
    }
    for (IMediaCaptureManager* windows : {Media(CT_VIDEO), Media(CT_MOVIE)})
    {
        for (bool recorder : {true, false})
        {
            if (windows && !windows->CloseWindow(recorder))
                ShowMediaError(*windows, recorder);
        }
    }
    if (active)
        StopDisplay();
}

void CLocalController::OnStarted()
{
    StartDisplay();
    UpdateTimePage(true);
}

void CLocalController::OnPaused()
{
    m_display.Pause();
    ResetTimePage();
}

void CLocalController::OnResumed()
{
    m_display.Resume();
    UpdateTimePage(true);
}

void CLocalController::OnStopped()
{
    StopDisplay();
    ResetTimePage();
}

DestinationResult CLocalController::ToggleScreenRecording(bool repeat)
{
    CScreenCaptureManager* screen = m_managers.screen.get();
    if (!screen)
        return DR_NOTHING_DONE;
    if (screen->IsCapturing() || screen->IsCapturePaused())
    {
        StopScreen();
        return screen->IsCapturing() ? DR_FAILED : DR_DONE;
    }
    const DestinationResult result = screen->Start(repeat);
    if (result == DR_FAILED)
    {
        CString error;
        screen->GetErrorText(error);
        AppMessageBox(error, MB_OK);
    }
    // Only a timed capture counts its time; an interactive one is over at once.
    else if (result == DR_DONE && screen->GetDuration() >= 1)
    {
        StartDisplay();
        UpdateTimePage(false);
    }
    return result;
}

DestinationResult CLocalController::ToggleMovieRecording(bool repeat)
{
    return m_managers.movie ? ToggleMedia(CT_MOVIE, true, repeat) : DR_NOTHING_DONE;
}

void CLocalController::ToggleScreenPause()
{
    CScreenCaptureManager& screen = *m_managers.screen;
    if (screen.IsCapturePaused())
    {
        if (screen.Resume())
        {
            m_display.Resume();
            UpdateTimePage(false);
        }
    }
    else if (screen.Pause())
    {
        m_display.Pause();
        ResetTimePage();
    }
}

void CLocalController::StopScreen()
{
    if (m_managers.screen->Stop())
    {
        StopDisplay();
        ResetTimePage();
    }
}

void CLocalController::ToggleTraining(bool recording)
{
    ITrainingCaptureManager& training = *m_managers.training;
    auto active = [&] { return recording ? training.IsRecording() : training.IsPlaying(); };
    if (!active())
    {
        StartDisplay();
        UpdateTimePage(true);
    }
    // A start returns when the recording or playing has ended.
    CString error;
    const int result = recording ? training.Record(error) : training.Play(error);
    if (result == 0)
        AppMessageBox(error, MB_OK);
    if (result != 0 && active())
    {
        StartDisplay();
        UpdateTimePage(true);
        return;
    }
    StopDisplay();
    ResetTimePage();
}

void CLocalController::StopTrainingRecording()
{
    CString error;
    if (!m_managers.training->StopRecording(error))
        AppMessageBox(error, MB_OK);
    StopDisplay();
    ResetTimePage();
}

void CLocalController::StopTrainingPlaying()
{
    m_managers.training->StopPlaying();
    StopDisplay();
    ResetTimePage();
}

DestinationResult CLocalController::ToggleMedia(int type, bool recorder, bool repeat)
{
    IMediaCaptureManager& media = *Media(type);
    if (IsSideActive(media, recorder))
    {
        StopMedia(type, recorder);
        return IsSideActive(media, recorder) ? DR_FAILED : DR_DONE;
    }
    return StartMedia(type, recorder, repeat);
}

DestinationResult CLocalController::StartMedia(int type, bool recorder, bool repeat)
{
    IMediaCaptureManager& media = *Media(type);
    const DestinationResult result = recorder ? media.StartRecording(repeat) : media.StartPlaying();
    if (result == DR_FAILED)
    {
        ShowMediaError(media, recorder);
    }
    else if (result == DR_DONE)
    {
        StartDisplay();
        UpdateTimePage(false);
    }
    return result;
}

void CLocalController::StopMedia(int type, bool recorder)
{
    IMediaCaptureManager& media = *Media(type);
    if (recorder ? media.StopRecording() : media.StopPlaying())
    {
        StopDisplay();
        ResetTimePage();
        return;
    }
    ShowMediaError(media, recorder);
}

void CLocalController::ToggleMediaPause(int type, bool recorder)
{
    IMediaCaptureManager& media = *Media(type);
    const bool paused = recorder ? media.IsRecordingPaused() : media.IsPlayingPaused();
    bool done = false;
    if (paused)
        done = recorder ? media.ResumeRecording() : media.ResumePlaying();
    else
        done = recorder ? media.PauseRecording() : media.PausePlaying();
    if (!done)
    {
        ShowMediaError(media, recorder);
        return;
    }
    if (paused)
    {
        m_display.Resume();
        UpdateTimePage(false);
    }
    else
    {
        m_display.Pause();
        ResetTimePage();
    }
}

bool CLocalController::IsSideActive(IMediaCaptureManager& media, bool recorder)
{
    return recorder ? media.IsRecording() || media.IsRecordingPaused() : media.IsPlaying() || media.IsPlayingPaused();
}

void CLocalController::ShowMediaError(IMediaCaptureManager& media, bool recorder)
{
    AppMessageBox(media.GetErrorText(recorder), MB_OK);
}

void CLocalController::StartDisplay()
{
    m_display.Start(CWnd::FromHandle(AppGetMainWnd()), m_totalToPlay < 1 ? -1 : m_totalToPlay);
}

void CLocalController::StopDisplay()
{
    m_display.Stop();
}

void CLocalController::UpdateTimePage(bool running)
{
    if (m_host)
        m_host->UpdateTimePage(GetCaptureType(), running);
}

void CLocalController::ResetTimePage()
{
    if (m_host)
        m_host->ResetTimePage(GetCaptureType());
}

namespace
{
std::unique_ptr<CLocalController>& ProgramController()
{
    static std::unique_ptr<CLocalController> controller;
    return controller;
}
} // namespace

CLocalController* GetLocalController()
{
    return ProgramController().get();
}

void SetLocalController(std::unique_ptr<CLocalController> controller)
{
    ProgramController() = std::move(controller);
}
