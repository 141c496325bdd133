#include "runjobs/CJobScreenCaptureManager.h"

#include "capture/CImageDestinations.h"
#include "capture/CWndTimer.h"
#include "capture/DestinationRecords.h"
#include "capture/CaptureStrings.h"
#include "framework/AppMainWnd.h"

#include <algorithm>
#include <map>

namespace
{
// A destination the start may run: its record type and its flag in the settings, in
// the order the start visits them.
struct JobDestination
{
    EnumSendParam type;
    bool InfoScSettings::*flag;
};

const JobDestination kStartOrder[] = {
    {SP_SC_CLIPBOARD, &InfoScSettings::Clipboard},
    {SP_SC_DATABASE, &InfoScSettings::Db},
    {SP_SC_EDITOR, &InfoScSettings::Editor},
    {SP_SC_EMAIL, &InfoScSettings::Email},
    {SP_SC_FAX, &InfoScSettings::Fax},
    {SP_SC_FILE, &InfoScSettings::File},
    {SP_SC_ICQ, &InfoScSettings::ICQ},
    {SP_SC_PRINTER, &InfoScSettings::Printer},
    {SP_SC_SCREENSAVER, &InfoScSettings::ScreenSaver},
    {SP_SC_WALLPAPER, &InfoScSettings::Wallpaper},
    {SP_SC_WEB, &InfoScSettings::Web},
};

// The smallest frequency over the records starts from this.
const int kNoFrequency = 999;

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

CJobScreenCaptureManager::~CJobScreenCaptureManager()
{
    DeleteTimer();
}

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
    // Copies of the records of the destinations that run, by record type.
    std::map<EnumSendParam, std::unique_ptr<SendParam>> records;
    const InfoScSettings& settings = GetSettings();
    for (const JobDestination& destination : kStartOrder)
        if (settings.*destination.flag)
            records[destination.type] = CopyDestinationRecord(*m_destinations->GetInfo(destination.type));
    if (records.empty())
    {
        m_errorText.LoadString(IDS_NO_SELECTION_DONE);
        return DR_FAILED;
    }

    // Nobody answers a dialog in an unattended job.
    if (!m_busy && !m_paused)
    {
        for (const auto& record : records)
        {
            if (record.second->IsDisplayFlagOn())
            {
                m_errorText = L"The destination's settings ask for a dialog, which an unattended job cannot show.";
                return DR_FAILED;
            }
        }
    }

    int duration = 0;
    int frequency = kNoFrequency;
    for (const auto& record : records)
    {
        m_destinations->UseInfo(*record.second);
        const DestinationTiming timing = GetDestinationTiming(*record.second);
        duration = (std::max)(duration, timing.duration);
        frequency = (std::min)(frequency, timing.frequency);
    }

    // Without a duration nothing is timed and nothing is captured.
    if (duration < 1)
        return DR_DONE;

    DeleteTimer();
    m_timer = new CWndTimer(this);
    // A period of 0 or one not below the duration asks for one capture, taken now.
    const bool single = CWndTimer::IsSingleCapture(duration, frequency);
    // Window, active-window and desktop selections need no points: the window is
    // looked up at each capture.
    if (!IsPointSelection(m_selectionType) || !m_points.IsEmpty())
        m_timer->SetScreenCapture(m_destinations.get(), single ? 0 : frequency, m_points, m_selectionType,
                                  m_selectionText, AppGetMainWnd(), m_captureCursor);
    m_timer->Start(duration);
    m_busy = true;
    if (single)
        m_timer->CaptureNow();
    return DR_DONE;
}

bool CJobScreenCaptureManager::Stop()
{
    if (m_timer)
        m_timer->Stop();
    DeleteTimer();
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
    CString text = m_destinations->GetErrorText();
    if (text.IsEmpty())
    {
        text = m_errorText;
        m_errorText.Empty();
    }
    return text.IsEmpty() ? CString(L"Unknown error.") : text;
}

void CJobScreenCaptureManager::StopStep()
{
    if (m_busy || m_paused)
        Stop();
    PostQuitMessage(0);
}

void CJobScreenCaptureManager::DeleteTimer()
{
    if (!m_timer)
        return;
    // Deferred when the timer's own handler is running.
    m_timer->Delete();
    m_timer = nullptr;
}
