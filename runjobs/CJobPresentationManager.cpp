#include "runjobs/CJobPresentationManager.h"

#include "capture/destinations/CAviWriter.h"
#include "capture/destinations/CImagePresentation.h"
#include "capture/destinations/CaptureTables.h"
#include "common/PathHelpers.h"
#include "framework/AppMainWnd.h"
#include "runjobs/JobSteps.h"

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
        m_errorText = DialogRefusalText(L"movie's");
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
        m_timer.reset(new CWndTimer(this));
        StartJobTimer(*m_timer, static_cast<UINT>(m_recording.RecDuration), static_cast<UINT>(m_recording.RecFreq),
                      [this](CWndTimer& timer, UINT period) {
                          timer.SetMovieCapture(m_destination.get(), period, m_points, m_selectionType, m_selectionText,
                                                AppGetMainWnd(), m_captureCursor);
                      });
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
    m_timer.reset();
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
    return TakeErrorText(m_errorText);
}

void CJobPresentationManager::StopStep()
{
    StopRecording();
    PostQuitMessage(0);
}
