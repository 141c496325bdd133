#include "capture/timing/CWndTimer.h"

#include "capture/destinations/CImageDestinations.h"
#include "capture/CaptureMessages.h"
#include "capture/timing/JobFailureReport.h"
#include "common/CMemoryDC.h"
#include "common/SystemHelpers.h"
#include "framework/CResourceException.h"
#include "framework/CWaitCursor.h"

#include <algorithm>

namespace
{
const wchar_t* const kBaseClassName = L"$ZVellumorTimerZ$";
const UINT kClassStyle = CS_BYTEALIGNWINDOW; // 0x0800
const wchar_t* const kNothingToCaptureText = L"The selection to capture was not found on the screen.";

RECT NormalizedRect(const POINT& a, const POINT& b)
{
    RECT rect = {(std::min)(a.x, b.x), (std::min)(a.y, b.y), (std::max)(a.x, b.x), (std::max)(a.y, b.y)};
    return rect;
}

} // namespace

CWndTimer::CWndTimer(ICaptureStepTarget* target) : m_target(target)
{
    m_className = GetUniqueWindowClassName(kBaseClassName);
    if (!AppRegisterNamedWndClass(m_className, kClassStyle))
        throw CResourceException();
}

CWndTimer::~CWndTimer()
{
    KillAllTimers();
    DestroyWindow();
    // The name is free again for the next timer.
    AppUnregisterWndClass(m_className);
}

bool CWndTimer::EnsureWindow()
{
    if (!m_windowCreated)
    {
        RECT none = {0, 0, 0, 0};
        m_windowCreated = CreateEx(WS_EX_TOOLWINDOW, m_className, nullptr, WS_POPUP | WS_BORDER, none, nullptr, 0);
    }
    return m_windowCreated;
}

void CWndTimer::Start(UINT duration)
{
    EnsureWindow();
    m_elapsed = 0;
    m_remaining = duration > 1 ? duration * 1000 : 2000;
    m_duration = duration;
    m_captures = 0;
    m_timed = true;
    // A stop timer that cannot be set keeps id 0 and never ends the step.
    m_stopTimerId = m_windowCreated ? SetTimer(*this, kStopTimerId, m_remaining, nullptr) : 0;
    if (m_windowCreated)
        SetTimer(*this, kTickTimerId, 1000, nullptr);
}

void CWndTimer::StoreSelection(UINT frequency, const CArray<POINT>& points, EnumScreenCaptureType selectionType,
                               const CString& selectionText, HWND owner, bool captureCursor)
{
    m_frequency = frequency;
    m_points.Copy(points);
    m_selectionType = selectionType;
    m_selectionText = selectionText;
    m_owner = owner;
    m_captureCursor = captureCursor;
}

void CWndTimer::SetScreenCapture(CImageDestinations* destinations, UINT frequency, const CArray<POINT>& points,
                                 EnumScreenCaptureType selectionType, const CString& selectionText, HWND owner,
                                 bool captureCursor)
{
    m_destinations = destinations;
    StoreSelection(frequency, points, selectionType, selectionText, owner, captureCursor);
    if (m_destinations && m_frequency && EnsureWindow())
        SetTimer(*this, kScreenTimerId, m_frequency * 1000, nullptr);
}

void CWndTimer::SetMovieCapture(CImageBase* movieDestination, UINT frequency, const CArray<POINT>& points,
                                EnumScreenCaptureType selectionType, const CString& selectionText, HWND owner,
                                bool captureCursor)
{
    m_movieDestination = movieDestination;
    StoreSelection(frequency, points, selectionType, selectionText, owner, captureCursor);
    if (m_movieDestination && m_frequency && EnsureWindow())
        SetTimer(*this, kMovieTimerId, m_frequency * 1000, nullptr);
}

void CWndTimer::CaptureNow()
{
    if (const UINT_PTR id = RepeatTimerId())
        CaptureAndReport(id);
}

DestinationResult CWndTimer::CaptureNow(CString& failure)
{
    const UINT_PTR id = RepeatTimerId();
    if (!id)
        return DR_NOTHING_DONE;
    CString errorText;
    const DestinationResult result = CaptureSelection(id, errorText);
    if (result != DR_DONE)
        failure = FailureMessage(id, errorText);
    return result;
}

UINT_PTR CWndTimer::RepeatTimerId() const
{
    if (m_destinations)
        return kScreenTimerId;
    return m_movieDestination ? kMovieTimerId : 0;
}

void CWndTimer::KillAllTimers()
{
    if (!GetSafeHwnd())
        return;
    KillTimer(*this, kTickTimerId);
    if (m_stopTimerId)
        KillTimer(*this, m_stopTimerId);
    KillTimer(*this, kMovieTimerId);
    KillTimer(*this, kScreenTimerId);
}

void CWndTimer::Stop()
{
    m_remaining = 0;
    m_elapsed = 0;
    m_frequency = 0;
    m_timed = false;
    m_movieDestination = nullptr;
    KillAllTimers();
    DestroyWindow();
    m_windowCreated = false;
}

void CWndTimer::Pause()
{
    KillAllTimers();
    UINT spent = m_elapsed * 1000;
    m_remaining = spent < m_remaining ? m_remaining - spent : 0;
    m_elapsed = 0;
}

void CWndTimer::Resume()
{
    if (!GetSafeHwnd())
        return;
    m_stopTimerId = SetTimer(*this, kStopTimerId, m_remaining, nullptr);
    SetTimer(*this, kTickTimerId, 1000, nullptr);
    ArmRepeats();
}

void CWndTimer::ArmRepeats()
{
    if (!m_frequency)
        return;
    if (m_movieDestination)
        SetTimer(*this, kMovieTimerId, m_frequency * 1000, nullptr);
    if (m_destinations)
        SetTimer(*this, kScreenTimerId, m_frequency * 1000, nullptr);
}

LRESULT CWndTimer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER || wParam < kStopTimerId || wParam > kScreenTimerId)
        return CWnd::WindowProc(message, wParam, lParam);
    // A delete asked for by the handler's callees waits for the handler's end (CWndPtr).
    OnTimer(wParam);
    return 0;
}

void CWndTimer::OnTimer(UINT_PTR id)
{
    if (m_stopTimerId && id == m_stopTimerId)
        OnStopTimer();
    else if (id == kTickTimerId)
        ++m_elapsed;
    else if (m_timed && m_captures >= CapturesDue())
        KillTimer(*this, id); // the repeats the duration holds are all taken
    else
        CaptureRepeat(id);
}

void CWndTimer::OnStopTimer()
{
    KillTimer(*this, m_stopTimerId);
    // A repeat due at the same moment as the stop, or held back by a slow capture, is
    // taken before the step ends: duration / frequency captures, whatever the order in
    // which the timers came.
    const UINT_PTR repeat = m_frequency ? RepeatTimerId() : 0;
    while (repeat && m_captures < CapturesDue())
        CaptureRepeat(repeat);
    if (m_target)
        m_target->StopStep();
}

void CWndTimer::CaptureRepeat(UINT_PTR id)
{
    ++m_captures;
    CaptureAndReport(id);
}

void CWndTimer::CaptureAndReport(UINT_PTR id)
{
    CString errorText;
    if (CaptureSelection(id, errorText) != DR_DONE)
        ReportFailure(id, errorText);
}

DestinationResult CWndTimer::CaptureSelection(UINT_PTR id, CString& errorText)
{
    CMemoryDC covered;
    RECT cursorRect = {0, 0, 0, 0};
    if (m_captureCursor)
        cursorRect = DrawMouseCursor(&covered);

    DestinationResult result = DR_FAILED;
    bool captured = false;
    switch (m_selectionType)
    {
    case SCT_WINDOW:
    case SCT_ACTIVE_WINDOW:
    case SCT_DESKTOP:
        if (HWND window = FindSelectedWindow())
        {
            result = CaptureWindow(id, window);
            captured = true;
        }
        break;
    case SCT_RECTANGLE:
        if (m_points.GetSize() >= 2)
        {
            result = CaptureRect(id, NormalizedRect(m_points[0], m_points[1]));
            captured = true;
        }
        break;
    default:
        if (HRGN region = CreateSelectionRegion())
        {
            result = CaptureRegion(id, region);
            DeleteObject(region);
            captured = true;
        }
        break;
    }

    if (m_captureCursor)
        RestoreScreenRect(cursorRect, &covered);
    if (result != DR_DONE)
        errorText = captured ? ErrorTextOf(id) : CString(kNothingToCaptureText);
    return result;
}

HWND CWndTimer::FindSelectedWindow() const
{
    switch (m_selectionType)
    {
    case SCT_WINDOW:
        // An empty name would match any untitled window: it names no window.
        return m_selectionText.IsEmpty() ? nullptr : FindWindowW(nullptr, m_selectionText);
    case SCT_ACTIVE_WINDOW:
        return GetForegroundWindow();
    default:
        return GetDesktopWindow();
    }
}

HRGN CWndTimer::CreateSelectionRegion() const
{
    if (m_selectionType == SCT_ELLIPSE)
    {
        if (m_points.GetSize() < 2)
            return nullptr;
        return CreateEllipticRgn(m_points[0].x, m_points[0].y, m_points[1].x, m_points[1].y);
    }
    if (m_points.IsEmpty())
        return nullptr;
    return CreatePolygonRgn(m_points.GetData(), m_points.GetSize(), ALTERNATE);
}

DestinationResult CWndTimer::CaptureWindow(UINT_PTR id, HWND window)
{
    if (id == kScreenTimerId)
        return m_destinations ? m_destinations->ProcessWindowWithInfo(window) : DR_FAILED;
    return m_movieDestination ? m_movieDestination->ProcessWindow(window) : DR_FAILED;
}

DestinationResult CWndTimer::CaptureRect(UINT_PTR id, const RECT& rect)
{
    if (id == kScreenTimerId)
        return m_destinations ? m_destinations->ProcessRectWithInfo(rect) : DR_FAILED;
    return m_movieDestination ? m_movieDestination->ProcessRect(rect) : DR_FAILED;
}

DestinationResult CWndTimer::CaptureRegion(UINT_PTR id, HRGN region)
{
    if (id == kScreenTimerId)
        return m_destinations ? m_destinations->ProcessRegionWithInfo(region) : DR_FAILED;
    return m_movieDestination ? m_movieDestination->ProcessRegion(region) : DR_FAILED;
}

CString CWndTimer::ErrorTextOf(UINT_PTR id) const
{
    if (id == kScreenTimerId)
        return m_destinations ? m_destinations->GetErrorText() : CString();
    return m_movieDestination ? m_movieDestination->GetErrorText() : CString();
}

void CWndTimer::ReportFailure(UINT_PTR id, const CString& errorText)
{
    {
        CWaitCursor wait;
        ReportJobFailure(FailureMessage(id, errorText));
    }
    if (m_owner)
        SendMessageW(m_owner, WM_OUTPUT_TEXT, 0, reinterpret_cast<LPARAM>(errorText.GetString()));
}

CString CWndTimer::FailureMessage(UINT_PTR id, const CString& errorText)
{
    CString message;
    message.Format(L"Task  %s  %s", id == kScreenTimerId ? L"Screen" : L"Movie", errorText.GetString());
    return message;
}
