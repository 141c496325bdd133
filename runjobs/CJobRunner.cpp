#include "runjobs/CJobRunner.h"

#include "capture/destinations/DestinationTable.h"
#include "framework/AppMessageLoop.h"

namespace
{
// The order in which the destination whose name starts a failure is chosen.
const EnumSendParam kCaptionOrder[] = {
    SP_SC_CLIPBOARD, SP_SC_DATABASE, SP_SC_EDITOR,      SP_SC_EMAIL,     SP_SC_FAX, SP_SC_FILE,
    SP_SC_ICQ,       SP_SC_PRINTER,  SP_SC_SCREENSAVER, SP_SC_WALLPAPER, SP_SC_WEB,
};

DWORD SecondsToWait(unsigned int seconds)
{
    return seconds ? seconds * 1000 : CJobRunner::kInfinite;
}
} // namespace

void CJobRunner::Run()
{
    switch (m_cmdLine.m_kind)
    {
    case JobKind::Screen:
        return RunScreenJob();
    case JobKind::Training:
        return RunTrainingJob();
    case JobKind::Audio:
        return RunMediaJob(*m_cmdLine.m_audioManager, m_cmdLine.m_audioManager->GetRecording().RecDuration,
                           m_cmdLine.m_audioManager->GetPlaying().PlayDuration);
    case JobKind::Video:
        return RunMediaJob(*m_cmdLine.m_videoManager, m_cmdLine.m_videoManager->GetRecording().RecDuration,
                           m_cmdLine.m_videoManager->GetPlaying().PlayDuration);
    case JobKind::Movie:
        return RunMovieJob();
    case JobKind::None:
        return;
    }
}

void CJobRunner::RunScreenJob()
{
    if (!m_cmdLine.m_record)
        return;
    CJobScreenCaptureManager& manager = *m_cmdLine.m_screenManager;
    manager.SetSelection(m_cmdLine.m_selectionPoints, static_cast<EnumScreenCaptureType>(m_cmdLine.m_selectionType),
                         m_cmdLine.m_selectionText);
    manager.SetCaptureCursor(m_cmdLine.m_captureCursor);
    if (manager.Start() != DR_DONE)
    {
        const CString captureFailure = manager.TakeCaptureFailure();
        throw captureFailure.IsEmpty() ? JobKindPrefix(JobKind::Screen) + ScreenCaption() + manager.GetErrorText()
                                       : captureFailure;
    }
    // The timer window posts the quit message when the duration has passed.
    Wait(kInfinite);
    if (manager.IsCaptureInProgress())
        manager.Stop();
}

void CJobRunner::RunTrainingJob()
{
    // Record and Play run their own loop and return when the recording or playing has ended.
    CJobCBTManager& manager = *m_cmdLine.m_cbtManager;
    const bool record = m_cmdLine.m_record;
    CString error;
    if ((record ? manager.Record(error) : manager.Play(error)) == 0)
        throw JobStepPrefix(JobKind::Training, record) + error;
}

void CJobRunner::RunMovieJob()
{
    CJobPresentationManager& manager = *m_cmdLine.m_presentationManager;
    if (m_cmdLine.m_record)
        manager.SetSelection(m_cmdLine.m_selectionPoints, static_cast<EnumScreenCaptureType>(m_cmdLine.m_selectionType),
                             m_cmdLine.m_selectionText, m_cmdLine.m_captureCursor);
    // The recording's timer window ends the job.
    RunMediaJob(manager, 0, 0);
}

CString CJobRunner::ScreenCaption()
{
    CJobScreenCaptureManager& manager = *m_cmdLine.m_screenManager;
    CString caption;
    if (manager.IsCaptureInProgress() && manager.GetDuration() >= 1)
        caption = L"Recording ";
    const InfoScSettings& settings = manager.GetSettings();
    for (EnumSendParam type : kCaptionOrder)
    {
        const DestinationEntry& destination = DestinationOf(type);
        if (settings.*destination.flag)
            return caption + destination.name + L": ";
    }
    return caption;
}

template <class Manager>
void CJobRunner::RunMediaJob(Manager& manager, unsigned int recordingSeconds, unsigned int playingSeconds)
{
    const bool record = m_cmdLine.m_record;
    const DestinationResult started = record ? manager.StartRecording() : manager.StartPlaying();
    if (started != DR_DONE)
        throw JobStepPrefix(m_cmdLine.m_kind, record) + manager.GetErrorText();
    Wait(SecondsToWait(record ? recordingSeconds : playingSeconds));
    if (record)
        manager.StopRecording();
    else
        manager.StopPlaying();
}

bool CJobRunner::Wait(DWORD milliseconds)
{
    AppPumpUntil([] { return false; }, milliseconds == kInfinite ? INFINITE : milliseconds);
    // The quit that ended the wait is the job's; it goes no further.
    MSG quit;
    return PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}
