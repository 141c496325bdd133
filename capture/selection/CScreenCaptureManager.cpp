#include "capture/selection/CScreenCaptureManager.h"

#include "capture/destinations/CEnabledRecords.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/timing/CWndTimer.h"

namespace
{
// The order in which the start visits the destinations (their dialogs too).
const std::vector<EnumSendParam> kStartOrder = {
    SP_SC_SCREENSAVER, SP_SC_PRINTER,  SP_SC_ICQ,       SP_SC_FILE, SP_SC_FAX,       SP_SC_EMAIL,
    SP_SC_EDITOR,      SP_SC_DATABASE, SP_SC_CLIPBOARD, SP_SC_WEB,  SP_SC_WALLPAPER,
};
} // namespace

CScreenCaptureManager::CScreenCaptureManager(std::unique_ptr<CImageDestinations> destinations, ICaptureDialogs& dialogs)
    : m_destinations(std::move(destinations)), m_dialogs(dialogs)
{
}

CScreenCaptureManager::~CScreenCaptureManager() = default;

int CScreenCaptureManager::GetSelectionType()
{
    return GetSettings()->Type;
}

bool CScreenCaptureManager::GetShowSize()
{
    return GetSettings()->ShowSize;
}

bool CScreenCaptureManager::IsCaptureInProgress()
{
    return m_destinations->IsBusy();
}

bool CScreenCaptureManager::IsSelectionDone()
{
    return GetSettings()->IsSelectionDone();
}

bool CScreenCaptureManager::GetCaptureCursor()
{
    return GetSettings()->CaptCursor;
}

bool CScreenCaptureManager::WasLastCaptureSuccessful()
{
    return m_destinations->HasLastImage();
}

void CScreenCaptureManager::LoadSettingsFromRegistry()
{
    m_destinations->LoadFromRegistry();
}

int CScreenCaptureManager::GetHoldTime()
{
    return GetSettings()->HoldTime;
}

void CScreenCaptureManager::GetErrorText(CString& text)
{
    text = m_startError.IsEmpty() ? m_destinations->GetErrorText() : m_startError;
    if (text.IsEmpty())
        text = L"Unknown error.";
}

SendParam* CScreenCaptureManager::GetRecord(EnumSendParam type)
{
    return m_destinations->GetInfo(type);
}

void CScreenCaptureManager::SetRecord(const SendParam* record, EnumSendParam type, unsigned int part)
{
    m_destinations->SetInfo(record, type, part);
}

DestinationResult CScreenCaptureManager::RepeatLastCapture()
{
    return m_capturing ? DR_DONE : Start(true);
}

DestinationResult CScreenCaptureManager::CaptureWindow(HWND window)
{
    return m_destinations->ProcessWindow(window);
}

DestinationResult CScreenCaptureManager::CapturePolygon(HRGN region)
{
    return m_destinations->ProcessRegion(region);
}

DestinationResult CScreenCaptureManager::CaptureByRectangle(int left, int top, int right, int bottom)
{
    const RECT rect = {left, top, right, bottom};
    return m_destinations->ProcessRect(rect);
}

InfoScSettings* CScreenCaptureManager::GetSettings()
{
    return &m_destinations->GetSettings();
}

void CScreenCaptureManager::SetSettings(const InfoScSettings& settings)
{
    m_destinations->GetSettings() = settings;
}

HBITMAP CScreenCaptureManager::GetLastImage(const InfoScSettings& settings)
{
    return m_destinations->GetLastImage(settings);
}

int CScreenCaptureManager::GetDuration()
{
    return m_destinations->GetDuration();
}

DestinationResult CScreenCaptureManager::Start(bool repeat)
{
    DestinationTiming timing = {};
    const DestinationResult prepared = UseCurrentRecords(!m_capturing && !m_paused, timing);
    if (prepared != DR_DONE)
        return prepared;

    if (timing.duration >= 1)
    {
        DestinationResult chosen = ChooseTimedSelection(timing.duration, timing.frequency, repeat);
        if (chosen == DR_DONE)
        {
            StartTimer(timing.duration, timing.frequency);
            m_capturing = true;
        }
        return chosen;
    }
    if (!repeat)
    {
        m_startingSelection = true;
        if (m_owner)
            m_owner->BeginCapture();
        m_startingSelection = false;
        return DR_DONE;
    }
    return m_destinations->ProcessAgain();
}

DestinationResult CScreenCaptureManager::UseCurrentRecords(bool ask, DestinationTiming& timing)
{
    m_startError.Empty();
    CEnabledRecords records(*m_destinations, kStartOrder);
    const DestinationResult enabled = records.CheckAnyEnabled(m_startError);
    if (enabled != DR_DONE)
        return enabled;

    if (ask)
    {
        for (const std::unique_ptr<SendParam>& record : records.Records())
        {
            if (record->IsDisplayFlagOn() && m_dialogs.EditProperties(*record, OwnerWindow()) != IDOK)
                return DR_NOTHING_DONE;
        }
    }
    timing = records.Use();
    return DR_DONE;
}

DestinationResult CScreenCaptureManager::ProcessSelection()
{
    // A selection of a timed capture or one that Start began has its run records.
    if (!m_capturing && !m_selectionHasRecords)
    {
        DestinationTiming timing = {};
        const DestinationResult prepared = UseCurrentRecords(true, timing);
        if (prepared != DR_DONE)
            return prepared;
    }
    m_selectionHasRecords = false;
    return m_destinations->ProcessAgain();
}

void CScreenCaptureManager::OnSelectionBegun()
{
    m_selectionHasRecords = m_startingSelection;
}

DestinationResult CScreenCaptureManager::ChooseTimedSelection(int duration, int frequency, bool repeat)
{
    if (duration < 1 || frequency < 1)
        return DR_DONE;
    StopWatching();
    m_timedPoints.clear();
    m_timedChosen = false;
    if (repeat)
        CopyLastSelection(m_timedPoints);
    EnumScreenCaptureType type = static_cast<EnumScreenCaptureType>(GetSelectionType());
    std::vector<POINT> points = m_timedPoints;
    CString text;
    const int button = m_dialogs.ChooseSelection(SP_SCREEN_CAPTURE, type, points, text, OwnerWindow());
    DestinationResult result = DR_NOTHING_DONE;
    if (button == kSelectionUseSelection)
    {
        m_timedPoints = points;
        m_timedType = type;
        m_timedText = text;
        m_timedChosen = true;
        result = DR_DONE;
    }
    else if (button == kSelectionManual)
    {
        result = DR_DONE;
    }
    StartWatching();
    return result;
}

void CScreenCaptureManager::StartTimer(int duration, int frequency)
{
    m_timer.reset();
    m_timer.reset(new CWndTimer(m_stepTarget ? m_stepTarget : this));
    // A chosen window type names its window without points.
    if (frequency >= 1 && (!m_timedPoints.empty() || (m_timedChosen && IsWindowType(m_timedType))))
    {
        CArray<POINT> points;
        for (const POINT& point : m_timedPoints)
            points.Add(point);
        m_timer->SetScreenCapture(m_destinations.get(), frequency, points, m_timedType, m_timedText, OwnerWindow(),
                                  GetCaptureCursor());
    }
    m_timer->Start(duration);
}

bool CScreenCaptureManager::Stop()
{
    if (m_timer)
        m_timer->Stop();
    m_timer.reset();
    if (m_paused)
        StartWatching();
    m_capturing = false;
    m_paused = false;
    return true;
}

bool CScreenCaptureManager::Pause()
{
    if (m_timer)
        m_timer->Pause();
    StopWatching();
    m_paused = true;
    return true;
}

bool CScreenCaptureManager::Resume()
{
    StartWatching();
    if (m_timer)
        m_timer->Resume();
    m_paused = false;
    return true;
}

void CScreenCaptureManager::StopStep()
{
    Stop();
}
