#include "capture/video/CVideoManager.h"

#include "capture/destinations/CaptureTables.h"
#include "common/PathHelpers.h"
#include "framework/AppMainWnd.h"

namespace
{
const wchar_t kUnknownError[] = L"Unknown error.";

bool FolderExists(const CString& folder)
{
    const DWORD attributes = GetFileAttributesW(folder);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
} // namespace

CVideoManager::CVideoManager(ICaptureDialogs* dialogs, VideoRecorderFactory recorders, ICaptureStepTarget* stepTarget)
    : m_dialogs(dialogs), m_recorders(std::move(recorders)), m_stepTarget(stepTarget ? stepTarget : this)
{
}

CVideoManager::~CVideoManager()
{
    CloseWindow(true);
    CloseWindow(false);
}

bool CVideoManager::IsRecording() const
{
    return m_recorder && m_recorder->IsCapturing();
}

bool CVideoManager::IsRecordingPaused() const
{
    return m_recorder && m_recorder->IsCapturePaused();
}

bool CVideoManager::IsPlaying() const
{
    return m_player && m_player->IsPlaying();
}

bool CVideoManager::IsPlayingPaused() const
{
    return m_player && m_player->IsPaused();
}

int CVideoManager::EditedCopy(SendParam& copy, bool showDialog, bool running)
{
    // No dialog while the same kind runs.
    if (!showDialog || running)
        return DR_DONE;
    if (!m_dialogs)
        return DR_NOTHING_DONE;
    return m_dialogs->EditProperties(copy, AppGetMainWnd()) == IDOK ? DR_DONE : DR_NOTHING_DONE;
}

bool CVideoManager::PrepareRecordingPath(InfoVideoRecording& recording, CString& path)
{
    path = recording.GetFullPathFileName();
    CString name, extension, folder;
    if (FileExists(path) && !recording.RecOverwrite)
    {
        SplitPath(path, name, extension, folder);
        path = MakeUniqueFileName(folder, recording.RecFName, recording.RecFType, OFK_VIDEO);
    }
    SplitPath(path, name, extension, folder);
    recording.RecFName = name;
    RemoveTrailingSlash(folder);
    recording.RecPath = folder;
    return FolderExists(folder) || CreateDirectoryPath(path, m_errorText);
}

bool CVideoManager::CheckDevices(const InfoVideoRecording& recording)
{
    if (recording.RecVideoDevice.IsEmpty())
        m_errorText = L"Video device name is empty.";
    else if (recording.RecAudio && (recording.RecAudioInputDevice.IsEmpty() || recording.RecAudioInputFormat.IsEmpty()))
        m_errorText = L"Audio device name and/or input format is empty.";
    else
        return true;
    return false;
}

DestinationResult CVideoManager::StartRecording()
{
    InfoVideoRecording recording(m_recording);
    if (EditedCopy(recording, m_recording.RecShowDlg, IsRecording() || IsRecordingPaused()) != DR_DONE)
        return DR_NOTHING_DONE;
    CString path;
    if (!PrepareRecordingPath(recording, path) || !CheckDevices(recording) || !CreateRecorder(recording) ||
        !m_recorder->StartCapture())
        return DR_FAILED;
    if (recording.RecDuration != 0)
        StartTimer(recording.RecDuration);
    return DR_DONE;
}

DestinationResult CVideoManager::StartPlaying()
{
    InfoVideoPlaying playing(m_playing);
    if (EditedCopy(playing, m_playing.PlayShowDlg, IsPlaying() || IsPlayingPaused()) != DR_DONE)
        return DR_NOTHING_DONE;
    if (!FileExists(playing.PlayFName))
    {
        m_errorText.Format(L"Video file '%s' does not exist.", playing.PlayFName.GetString());
        return DR_FAILED;
    }
    // A playing that fails to start is no playing: its reason is the player's text.
    if (!CreatePlayer(playing) || !m_player->Play())
        return DR_FAILED;
    if (playing.PlayDuration != 0)
        StartTimer(playing.PlayDuration);
    return DR_DONE;
}

bool CVideoManager::CreateRecorder(const InfoVideoRecording& recording)
{
    if (!CloseWindow(true))
        return false;
    if (!m_recorders)
    {
        m_errorText = L"Video recording is not available: this version of the program has no video capture engine.";
        return false;
    }
    try
    {
        m_recorder = m_recorders(recording, m_owner);
        return m_recorder && m_recorder->Create();
    }
    catch (const std::exception&)
    {
        m_recorder.reset();
        return false;
    }
}

bool CVideoManager::CreatePlayer(const InfoVideoPlaying& playing)
{
    if (!CloseWindow(false))
        return false;
    try
    {
        m_player.reset(new CWndVideoPlayer(&playing, m_owner));
        return m_player->Create();
    }
    catch (const std::exception&)
    {
        m_player.reset();
        return false;
    }
}

bool CVideoManager::CloseWindow(bool recorder)
{
    // A timer left behind would later stop whatever runs then.
    m_timer.reset();
    if (recorder)
    {
        if (m_recorder && (m_recorder->IsCapturing() || m_recorder->IsCapturePaused()) && !m_recorder->StopCapture())
            return false;
        m_recorder.reset();
        return true;
    }
    if (m_player && (m_player->IsPlaying() || m_player->IsPaused()) && !m_player->Stop())
        return false;
    m_player.reset();
    return true;
}

bool CVideoManager::StopRecording()
{
    m_timer.reset();
    if (!m_recorder || !m_recorder->StopCapture())
        return false;
    return CloseWindow(true);
}

bool CVideoManager::StopPlaying()
{
    m_timer.reset();
    if (!m_player)
        return false;
    m_player->Stop();
    // With an owner the stopped window stays for its user to play again.
    return m_owner ? true : CloseWindow(false);
}

bool CVideoManager::PauseRecording()
{
    if (!m_recorder || !m_recorder->PauseCapture())
        return false;
    PauseTimer(true);
    return true;
}

bool CVideoManager::ResumeRecording()
{
    if (!m_recorder || !m_recorder->ResumeCapture())
        return false;
    PauseTimer(false);
    return true;
}

bool CVideoManager::PausePlaying()
{
    if (!m_player)
        return false;
    m_player->Pause();
    PauseTimer(true);
    return true;
}

bool CVideoManager::ResumePlaying()
{
    if (!m_player)
        return false;
    m_player->Resume();
    PauseTimer(false);
    return true;
}

void CVideoManager::StartTimer(unsigned int seconds)
{
    m_timer.reset(new CWndTimer(m_stepTarget));
    m_timer->Start(seconds);
}

void CVideoManager::PauseTimer(bool pause)
{
    if (!m_timer)
        return;
    if (pause)
        m_timer->Pause();
    else
        m_timer->Resume();
}

CString CVideoManager::GetErrorText(bool recording)
{
    if (!m_errorText.IsEmpty())
    {
        CString text = m_errorText;
        m_errorText.Empty();
        return text;
    }
    CString windowText;
    if (recording && m_recorder)
        windowText = m_recorder->GetErrorText();
    else if (!recording && m_player)
        windowText = m_player->GetErrorText();
    return windowText.IsEmpty() ? CString(kUnknownError) : windowText;
}

void CVideoManager::StopStep()
{
    if (IsRecording() || IsRecordingPaused())
        StopRecording();
    else if (IsPlaying() || IsPlayingPaused())
        StopPlaying();
}
