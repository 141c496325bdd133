#include "capture/movie/CPresentationManager.h"

#include "capture/destinations/CAviWriter.h"
#include "capture/destinations/CImagePresentation.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/video/CWndVideoPlayer.h"
#include "common/PathHelpers.h"

#include <new>

namespace
{
const wchar_t kUnknownError[] = L"Unknown error.";
} // namespace

CPresentationManager::CPresentationManager(ICaptureDialogs* dialogs)
    : m_dialogs(dialogs), m_destination(new CImagePresentation)
{
    LoadFromRegistry();
}

CPresentationManager::~CPresentationManager()
{
    StopRecording();
    CloseWindow(false);
}

bool CPresentationManager::IsCaptureInProgress()
{
    return m_destination->IsBusy();
}

bool CPresentationManager::WasLastCaptureSuccessful()
{
    return m_destination->IsGrabbed();
}

void CPresentationManager::LoadSettingsFromRegistry()
{
    m_destination->LoadFromRegistry();
}

void CPresentationManager::GetErrorText(CString& text)
{
    text = m_destination->GetErrorText();
}

SendParam* CPresentationManager::GetRecord(EnumSendParam)
{
    return m_destination->GetInfo();
}

void CPresentationManager::SetRecord(const SendParam* record, EnumSendParam, unsigned int part)
{
    m_destination->SetInfo(record, part);
}

DestinationResult CPresentationManager::RepeatLastCapture()
{
    if (IsRecording())
        return m_destination->Execute();
    m_destination->LoadFromRegistry();
    const bool framesOnDemand = m_destination->CheckTiming();
    const DestinationResult started = StartRecording(true);
    if (!framesOnDemand || started != DR_DONE)
        return started;
    return m_destination->Execute();
}

DestinationResult CPresentationManager::CaptureWindow(HWND window)
{
    return m_destination->GrabWindow(window);
}

DestinationResult CPresentationManager::CapturePolygon(HRGN region)
{
    return m_destination->GrabRegion(region);
}

DestinationResult CPresentationManager::CaptureByRectangle(int left, int top, int right, int bottom)
{
    return m_destination->GrabRect(RECT{left, top, right, bottom});
}

void CPresentationManager::LoadFromRegistry()
{
    m_recording.LoadFromRegistry();
    m_playing.LoadFromRegistry();
}

SendParam* CPresentationManager::GetLiveRecord(bool recorder)
{
    if (recorder)
        return &m_recording;
    return &m_playing;
}

void CPresentationManager::SetSelectionSettings(int selectionType, int holdTime, bool showSize, bool captureCursor)
{
    SetSelectionType(static_cast<EnumScreenCaptureType>(selectionType));
    m_holdTime = holdTime;
    m_showSize = showSize;
    m_captureCursor = captureCursor;
}

void CPresentationManager::SetSelectionType(EnumScreenCaptureType type)
{
    m_selectionType = type;
    m_timedType = type;
}

void CPresentationManager::SetTimedSelection(const std::vector<POINT>& points, EnumScreenCaptureType type,
                                             const CString& text)
{
    m_timedPoints = points;
    m_timedType = type;
    m_timedText = text;
    m_timedChosen = true;
}

CString CPresentationManager::GetErrorText(bool recordingSide)
{
    CString text = m_pendingError;
    m_pendingError.Empty();
    if (text.IsEmpty())
        text = recordingSide ? m_destination->GetErrorText() : (m_player ? m_player->GetErrorText() : CString());
    return text.IsEmpty() ? CString(kUnknownError) : text;
}

bool CPresentationManager::IsPlaying()
{
    return m_player && m_player->IsPlaying();
}

bool CPresentationManager::IsPlayingPaused()
{
    return m_player && m_player->IsPaused();
}

HBITMAP CPresentationManager::GetLastImage() const
{
    return m_destination->GetBitmap();
}

DestinationResult CPresentationManager::StartRecording(bool repeat)
{
    m_pendingError.Empty();
    // The run takes a copy: the dialog's edits and a numbered file name are this
    // recording's, the live record stays as the user set it.
    InfoPresentationRecording record = m_recording;
    const bool running = m_writer && (m_recordingOn || m_paused);
    if (record.RecShowDlg && !running && EditRecord(record) != DR_DONE)
        return DR_NOTHING_DONE;
    CString path;
    if (PrepareOutputFile(record, path) != DR_DONE)
        return DR_FAILED;
    const DestinationResult chosen = ChooseTimedSelection(record, repeat);
    if (chosen != DR_DONE)
        return chosen;

    m_outputPath = path;
    m_destination->SetInfo(&record, 0);
    const DestinationResult opened = OpenWriter(record);
    if (opened != DR_DONE)
        return opened;
    if (record.RecDuration > 0)
        StartTimer(record.RecDuration, record.RecFreq, true);
    m_recordingOn = true;
    m_paused = false;
    return DR_DONE;
}

DestinationResult CPresentationManager::EditRecord(SendParam& record)
{
    if (!m_dialogs)
        return DR_NOTHING_DONE;
    return m_dialogs->EditProperties(record, OwnerWindow()) == IDOK ? DR_DONE : DR_NOTHING_DONE;
}

DestinationResult CPresentationManager::PrepareOutputFile(InfoPresentationRecording& record, CString& path)
{
    path = record.GetFullPathFileName();
    if (FileExists(path) && !record.RecOverwrite)
    {
        path = MakeUniqueFileName(record.RecPath, record.RecFName, record.RecFileType, OFK_MOVIE);
        CString extension, folder;
        SplitPath(path, record.RecFName, extension, folder);
        RemoveTrailingSlash(folder);
        record.RecPath = folder;
    }
    return CreateDirectoryPath(path, m_pendingError) ? DR_DONE : DR_FAILED;
}

DestinationResult CPresentationManager::ChooseTimedSelection(const InfoPresentationRecording& record, bool repeat)
{
    if (!m_dialogs || record.RecDuration < 1 || record.RecFreq < 1)
        return DR_DONE;
    StopWatching();
    std::vector<POINT> points;
    if (repeat)
        CopyLastSelection(points);
    EnumScreenCaptureType type = m_timedType;
    CString text;
    const int button = m_dialogs->ChooseSelection(SP_MOVIE_CAPTURE, type, points, text, OwnerWindow());
    if (button == kSelectionUseSelection)
        SetTimedSelection(points, type, text);
    StartWatching();
    return button == kSelectionUseSelection || button == kSelectionManual ? DR_DONE : DR_NOTHING_DONE;
}

DestinationResult CPresentationManager::OpenWriter(const InfoPresentationRecording& record)
{
    CloseWindow(true);
    m_writer.reset(new (std::nothrow) CAviWriter(m_outputPath, static_cast<unsigned>(record.RecFramesRate)));
    if (!m_writer)
    {
        m_pendingError = L"There is not enough memory to start the movie recording.";
        return DR_FAILED;
    }
    HandWriter(m_writer.get());
    return DR_DONE;
}

void CPresentationManager::StartTimer(int duration, int frequency, bool periodic)
{
    m_timer.reset();
    m_timer.reset(new CWndTimer(m_stepTarget));
    // Unattended, a recording whose frequency does not fit in its duration takes its
    // one frame at the start.
    const bool once = periodic && !m_dialogs && CWndTimer::IsSingleCapture(duration, frequency);
    if (periodic && HasTimedSelection() && (frequency > 0 || once))
    {
        CArray<POINT> points;
        for (const POINT& point : m_timedPoints)
            points.Add(point);
        m_timer->SetMovieCapture(m_destination.get(), once ? 0 : frequency, points, m_timedType, m_timedText,
                                 OwnerWindow(), m_captureCursor);
    }
    m_timer->Start(duration);
    if (once)
        m_timer->CaptureNow();
}

bool CPresentationManager::HasTimedSelection() const
{
    return !m_timedPoints.empty() || (m_timedChosen && IsWindowType(m_timedType));
}

void CPresentationManager::HandWriter(CAviWriter* writer)
{
    // The lock keeps a frame write from meeting the writer's change.
    m_destination->Lock();
    m_destination->SetAviWriter(writer);
    m_destination->Unlock();
}

bool CPresentationManager::StopRecording()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
    CloseWindow(true);
    if (m_paused)
        StartWatching();
    m_recordingOn = false;
    m_paused = false;
    return true;
}

bool CPresentationManager::PauseRecording()
{
    if (m_timer)
        m_timer->Pause();
    StopWatching();
    m_paused = true;
    return true;
}

bool CPresentationManager::ResumeRecording()
{
    StartWatching();
    if (m_timer)
        m_timer->Resume();
    m_paused = false;
    return true;
}

DestinationResult CPresentationManager::StartPlaying()
{
    m_pendingError.Empty();
    // A recording left running would never complete its file.
    if (IsRecording() || IsRecordingPaused())
        StopRecording();
    InfoPresentationPlaying playing = m_playing;
    const bool running = IsPlaying() || IsPlayingPaused();
    if (playing.PlayShowDlg && !running && EditRecord(playing) != DR_DONE)
        return DR_NOTHING_DONE;
    if (!FileExists(playing.PlayFName))
    {
        m_pendingError.Format(L"Movie file '%s' does not exist.", playing.PlayFName.GetString());
        return DR_FAILED;
    }
    if (!CloseWindow(false) || !OpenPlayer(playing))
        return DR_FAILED;
    if (playing.PlayDuration != 0)
        StartTimer(static_cast<int>(playing.PlayDuration), 0, false);
    return DR_DONE;
}

bool CPresentationManager::OpenPlayer(const InfoPresentationPlaying& playing)
{
    try
    {
        m_player.reset(new CWndVideoPlayer(&playing, OwnerWindow()));
    }
    catch (const std::exception&)
    {
        m_pendingError = L"Failure creating the video player window.";
        return false;
    }
    // A player that does not play keeps its reason for GetErrorText.
    return m_player->Create() && m_player->Play();
}

bool CPresentationManager::StopPlaying()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
    if (!m_player)
        return false;
    m_player->Stop();
    // With an owner the stopped window stays for its user to play again.
    return OwnerWindow() ? true : CloseWindow(false);
}

bool CPresentationManager::PausePlaying()
{
    if (!m_player)
        return false;
    const bool paused = m_player->Pause();
    if (m_timer)
        m_timer->Pause();
    return paused;
}

bool CPresentationManager::ResumePlaying()
{
    if (!m_player)
        return false;
    const bool resumed = m_player->Resume();
    if (m_timer)
        m_timer->Resume();
    return resumed;
}

bool CPresentationManager::CloseWindow(bool recordingSide)
{
    if (recordingSide)
    {
        if (m_writer)
        {
            HandWriter(nullptr);
            m_writer.reset();
        }
        return true;
    }
    if (m_player && (m_player->IsPlaying() || m_player->IsPaused()) && !m_player->Stop())
        return false;
    // A timer left behind would stop a later playing before its time.
    if (!IsRecording() && !IsRecordingPaused())
        m_timer.reset();
    m_player.reset();
    return true;
}

void CPresentationManager::StopStep()
{
    if (IsRecording() || IsRecordingPaused())
        StopRecording();
    else
        StopPlaying();
    if (!m_dialogs)
        PostQuitMessage(0);
}
