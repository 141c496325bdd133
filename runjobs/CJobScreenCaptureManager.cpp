#include "runjobs/CJobScreenCaptureManager.h"

#include "capture/destinations/CEnabledRecords.h"
#include "capture/destinations/CImageDestinations.h"
#include "framework/AppMainWnd.h"
#include "runjobs/JobSteps.h"

namespace
{
bool IsPointSelection(EnumScreenCaptureType type)
{
    return type == SCT_FREE_HAND || type == SCT_POLYGON || type == SCT_RECTANGLE || type == SCT_ELLIPSE;
}
} // namespace

CJobScreenCaptureManager::CJobScreenCaptureManager() : CJobScreenCaptureManager(std::make_unique<CImageDestinations>())
{
}

CJobScreenCaptureManager::CJobScreenCaptureManager(std::unique_ptr<CImageDestinations> destinations)
    : m_destinations(std::move(destinations))
{
}

CJobScreenCaptureManager::~CJobScreenCaptureManager() = default;

SendParam* CJobScreenCaptureManager::GetRecord(EnumSendParam type)
{
    return m_destinations->GetInfo(type);
}

void CJobScreenCaptureManager::SetRecord(const SendParam& record)
{
    m_destinations->SetInfo(&record, record.GetType(), 0);
}

InfoScSettings& CJobScreenCaptureManager::GetSettings()
{
    return m_destinations->GetSettings();
}

void CJobScreenCaptureManager::SetSettings(const InfoScSettings& settings)
{
    m_destinations->GetSettings() = settings;
}

void CJobScreenCaptureManager::SetSelection(const CArray<POINT>& points, EnumScreenCaptureType type,
                                            const CString& text)
{
    m_points.Copy(points);
    m_selectionType = type;
    m_selectionText = text;
}

DestinationResult CJobScreenCaptureManager::Start()
{
    m_errorText.Empty();
    CEnabledRecords records(*m_destinations);
    const DestinationResult enabled = records.CheckAnyEnabled(m_errorText);
    if (enabled != DR_DONE)
        return enabled;
    // Nobody answers a dialog in an unattended job.
    if (!m_busy && !m_paused && records.AsksForDialog())
    {
        m_errorText = DialogRefusalText(L"destination's");
        return DR_FAILED;
    }

    const DestinationTiming timing = records.Use();
    // Without a duration nothing is timed and nothing is captured.
    if (timing.duration < 1)
        return DR_DONE;

    m_timer.reset();
    m_timer.reset(new CWndTimer(this));
    m_busy = true;
    const auto setUp = [this](CWndTimer& timer, UINT period) {
        // Window, active-window and desktop selections need no points: the window is
        // looked up at each capture.
        if (!IsPointSelection(m_selectionType) || !m_points.IsEmpty())
            timer.SetScreenCapture(m_destinations.get(), period, m_points, m_selectionType, m_selectionText,
                                   AppGetMainWnd(), m_captureCursor);
    };
    // A job of one capture has done its work once that capture is taken: when it
    // failed, the job has failed.
    m_captureFailure.Empty();
    if (StartJobTimer(*m_timer, timing.duration, timing.frequency, setUp, m_captureFailure) != DR_DONE &&
        !m_captureFailure.IsEmpty())
    {
        Stop();
        return DR_FAILED;
    }
    return DR_DONE;
}

CString CJobScreenCaptureManager::TakeCaptureFailure()
{
    const CString failure = m_captureFailure;
    m_captureFailure.Empty();
    return failure;
}

bool CJobScreenCaptureManager::Stop()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
    m_busy = false;
    m_paused = false;
    return true;
}

bool CJobScreenCaptureManager::Pause()
{
    if (m_timer)
        m_timer->Pause();
    m_paused = true;
    return true;
}

bool CJobScreenCaptureManager::Resume()
{
    if (m_timer)
        m_timer->Resume();
    m_paused = false;
    return true;
}

int CJobScreenCaptureManager::GetDuration()
{
    return m_destinations->GetDuration();
}

CString CJobScreenCaptureManager::GetErrorText()
{
    const CString text = m_destinations->GetErrorText();
    return text.IsEmpty() ? TakeErrorText(m_errorText) : text;
}

void CJobScreenCaptureManager::StopStep()
{
    if (m_busy || m_paused)
        Stop();
    PostQuitMessage(0);
}
