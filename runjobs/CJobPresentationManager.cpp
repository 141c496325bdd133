#include "runjobs/CJobPresentationManager.h"

#include "capture/CAviWriter.h"
#include "capture/CImagePresentation.h"
#include "capture/CWndTimer.h"
#include "capture/CaptureTables.h"
#include "common/PathHelpers.h"
#include "framework/AppMainWnd.h"

CJobPresentationManager::CJobPresentationManager() = default;

CJobPresentationManager::~CJobPresentationManager()
{
    StopRecording();
}

void CJobPresentationManager::SetSelection(const CArray<POINT>& points, EnumScreenCaptureType type, const CString& text,
                                           bool captureCursor)
{
    m_points.Copy(points);
    m_selectionType = type;
    m_selectionText = text;
    m_captureCursor = captureCursor;
}

DestinationResult CJobPresentationManager::StartRecording()
{
    if (m_recording.RecShowDlg && !m_recordingOn)
    {
        m_errorText = L"The movie's settings ask for a dialog, which an unattended job cannot show.";
        return DR_FAILED;
    }
    StopRecording();
    if (!PrepareOutputFile())
        return DR_FAILED;

    m_aviWriter = std::make_unique<CAviWriter>(m_outputPath, static_cast<unsigned>(m_recording.RecFramesRate));
    if (!m_destination)
        m_destination = std::make_unique<CImagePresentation>();
    m_destination->SetInfo(&m_recording, 0);
    m_destination->SetAviWriter(m_aviWriter.get());
    if (m_recording.RecDuration >= 1)
    {
        const UINT duration = static_cast<UINT>(m_recording.RecDuration);
        const UINT frequency = static_cast<UINT>(m_recording.RecFreq);
        // A period of 0 or one not below the duration asks for one frame, taken now.
        const bool single = CWndTimer::IsSingleCapture(duration, frequency);
        m_timer = new CWndTimer(this);
        m_timer->SetMovieCapture(m_destination.get(), single ? 0 : frequency, m_points, m_selectionType,
                                 m_selectionText, AppGetMainWnd(), m_captureCursor);
        m_timer->Start(duration);
        if (single)
            m_timer->CaptureNow();
    }
    m_recordingOn = true;
    return DR_DONE;
}

DestinationResult CJobPresentationManager::StartPlaying()
{
    m_errorText = L"Movie playing is not available: this version of the job runner has no movie player.";
    return DR_FAILED;
}

bool CJobPresentationManager::PrepareOutputFile()
{
    CString path = m_recording.GetFullPathFileName();
    if (!CreateDirectoryPath(path, m_errorText))
        return false;
    if (FileExists(path) && !m_recording.RecOverwrite)
        path = MakeUniqueFileName(m_recording.RecPath, m_recording.RecFName, m_recording.RecFileType, OFK_MOVIE);
    m_outputPath = path;
    return true;
}

bool CJobPresentationManager::StopRecording()
{
    if (m_timer)
        m_timer->Stop();
    DeleteTimer();
    if (m_destination)
    {
        // The lock keeps a frame write from meeting the writer's end.
        m_destination->Lock();
        m_destination->SetAviWriter(nullptr);
        m_destination->Unlock();
    }
    m_aviWriter.reset();
    const bool wasRecording = m_recordingOn;
    m_recordingOn = false;
    return wasRecording;
}

CString CJobPresentationManager::GetErrorText()
{
    CString text = m_errorText;
    m_errorText.Empty();
    return text.IsEmpty() ? CString(L"Unknown error.") : text;
}

void CJobPresentationManager::StopStep()
{
    StopRecording();
    PostQuitMessage(0);
}

void CJobPresentationManager::DeleteTimer()
{
    if (!m_timer)
        return;
    // Deferred when the timer's own handler is running.
    m_timer->Delete();
    m_timer = nullptr;
}
