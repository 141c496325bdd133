#include "capture/destinations/CImageDestinations.h"
#include "capture/timing/CWndTimer.h"
#include "capture/CaptureMessages.h"
#include "common/CEventLog.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace
{
const wchar_t kBaseName[] = L"$ZVellumorTimerZ$";
const wchar_t kNoSuchWindow[] = L"Vellumor timer test: no window has this name";

CArray<POINT> Points(std::initializer_list<POINT> list)
{
    CArray<POINT> points;
    for (const POINT& point : list)
        points.Add(point);
    return points;
}

// A movie destination that records what it was asked to capture.
class FakeMovieDestination : public CImageBase
{
public:
    explicit FakeMovieDestination(DestinationResult result = DR_DONE, const wchar_t* errorText = L"") : m_result(result)
    {
        m_errorText = errorText;
    }

    void SetInfo(const SendParam*, unsigned int) override {}
    SendParam* GetInfo() override { return nullptr; }
    DestinationResult Execute() override { return m_result; }
    DestinationResult ProcessAgain(const SendParam*) override { return m_result; }
    DestinationResult ProcessWindow(HWND window) override
    {
        windows.push_back(window);
        return m_result;
    }
    DestinationResult ProcessRect(const RECT& rect) override
    {
        rects.push_back(rect);
        return m_result;
    }
    DestinationResult ProcessRegion(HRGN region) override
    {
        RECT box = {};
        GetRgnBox(region, &box);
        regionBoxes.push_back(box);
        return m_result;
    }
    DestinationResult ProcessWindowWithInfo(HWND window, const SendParam*) override { return ProcessWindow(window); }
    DestinationResult ProcessRectWithInfo(const RECT& rect, const SendParam*) override { return ProcessRect(rect); }
    DestinationResult ProcessRegionWithInfo(HRGN region, const SendParam*) override { return ProcessRegion(region); }

    size_t Captures() const { return windows.size() + rects.size() + regionBoxes.size(); }

    std::vector<HWND> windows;
    std::vector<RECT> rects;
    std::vector<RECT> regionBoxes;

private:
    DestinationResult m_result;
};

// A timer that tells when it is deleted.
class ObservedTimer : public CWndTimer
{
public:
    ObservedTimer(ICaptureStepTarget* target, bool* deleted) : CWndTimer(target), m_deleted(deleted) {}
    ~ObservedTimer() override { *m_deleted = true; }

private:
    bool* m_deleted;
};

// The controller's part: counts the step ends and, like the recording's stop, stops
// and deletes the timer from inside its timer handler.
class FakeStepTarget : public ICaptureStepTarget
{
public:
    void StopStep() override
    {
        ++stops;
        if (!timer)
            return;
        timer->Stop();
        timer->DeleteAfterMessage();
        timer = nullptr;
        deletedInsideHandler = deleted && *deleted;
    }

    int stops = 0;
    CWndTimer* timer = nullptr;
    bool* deleted = nullptr;
    bool deletedInsideHandler = false;
};

// The main window's part: collects the WM_OUTPUT_TEXT lines.
class OutputWindow : public CWnd
{
public:
    OutputWindow()
    {
        RECT none = {0, 0, 0, 0};
        CreateEx(0, AppRegisterWndClass(0), L"", WS_POPUP, none, nullptr, 0);
    }

    std::vector<CString> lines;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_OUTPUT_TEXT)
        {
            lines.push_back(reinterpret_cast<const wchar_t*>(lParam));
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CStringArray ReadJobEvents()
{
    CStringArray texts;
    CEventLog log;
    log.Read(nullptr, L"VellumorJob", texts);
    return texts;
}

// The ticks are sent to the timer window: the real timers run in
// ResumeRearmsTheScreenCaptureRepeat.
void SendTick(CWndTimer& timer, UINT_PTR id)
{
    SendMessageW(timer.GetSafeHwnd(), WM_TIMER, id, 0);
}

CString WindowClassOf(HWND window)
{
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

TEST(CWndTimerTest, EachLiveTimerHasItsOwnClassNameAndFreedNamesAreReused)
{
    auto first = std::make_unique<CWndTimer>();
    auto second = std::make_unique<CWndTimer>();
    auto third = std::make_unique<CWndTimer>();
    EXPECT_EQ(CString(kBaseName), first->GetWndClassName());
    EXPECT_EQ(CString(kBaseName) + L"_1", second->GetWndClassName());
    EXPECT_EQ(CString(kBaseName) + L"_2", third->GetWndClassName());

    second->Start(10);
    ASSERT_NE(nullptr, second->GetSafeHwnd());
    EXPECT_EQ(second->GetWndClassName(), WindowClassOf(second->GetSafeHwnd()));
    EXPECT_FALSE(IsWindowVisible(second->GetSafeHwnd()));

    second.reset();
    CWndTimer fourth;
    EXPECT_EQ(CString(kBaseName) + L"_1", fourth.GetWndClassName());
}

TEST(CWndTimerTest, PauseTakesTheCountedSecondsOffTheRemainingTimeButNeverBelowZero)
{
    struct Case
    {
        UINT duration;
        int ticks;
        UINT remainingAfterStart;
        UINT remainingAfterPause;
    };
    const Case cases[] = {
        {0, 0, 2000, 2000},    {1, 1, 2000, 1000},   {2, 0, 2000, 2000},
        {60, 7, 60000, 53000}, {10, 3, 10000, 7000}, {2, 5, 2000, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "duration " << c.duration << ", ticks " << c.ticks);
        CWndTimer timer;
        timer.Start(c.duration);
        EXPECT_EQ(c.remainingAfterStart, timer.GetRemaining());
        for (int i = 0; i < c.ticks; ++i)
            SendTick(timer, CWndTimer::kTickTimerId);
        EXPECT_EQ(static_cast<UINT>(c.ticks), timer.GetElapsed());
        timer.Pause();
        EXPECT_EQ(c.remainingAfterPause, timer.GetRemaining());
        EXPECT_EQ(0u, timer.GetElapsed());
    }
}

TEST(CWndTimerTest, TimedMovieCaptureRepeatsUntilTheStepEndsAndTheStopDeletesTheTimerSafely)
{
    FakeMovieDestination movie;
    FakeStepTarget target;
    bool deleted = false;
    auto* timer = new ObservedTimer(&target, &deleted);
    target.timer = timer;
    target.deleted = &deleted;

    timer->Start(3);
    timer->SetMovieCapture(&movie, 1, Points({{30, 40}, {10, 20}}), SCT_RECTANGLE, L"", nullptr, false);
    SendTick(*timer, CWndTimer::kMovieTimerId);
    SendTick(*timer, CWndTimer::kMovieTimerId);
    // The third repeat, due at the same moment as the end, has not come yet: the stop
    // takes it.
    SendTick(*timer, CWndTimer::kStopTimerId);
    ASSERT_EQ(1, target.stops);

    ASSERT_EQ(3u, movie.rects.size());
    for (const RECT& rect : movie.rects)
        EXPECT_TRUE(rect.left == 10 && rect.top == 20 && rect.right == 30 && rect.bottom == 40);
    EXPECT_FALSE(target.deletedInsideHandler);
    EXPECT_TRUE(PumpUntil([&] { return deleted; }));
    EXPECT_EQ(1, target.stops);
}

TEST(CWndTimerTest, RepeatsStopAtWhatTheDurationHolds)
{
    FakeMovieDestination movie;
    FakeStepTarget target;
    CWndTimer timer(&target);
    timer.SetMovieCapture(&movie, 2, Points({{0, 0}, {10, 10}}), SCT_RECTANGLE, L"", nullptr, false);
    timer.Start(5);
    for (int tick = 0; tick < 3; ++tick)
        SendTick(timer, CWndTimer::kMovieTimerId);
    SendTick(timer, CWndTimer::kStopTimerId);
    EXPECT_EQ(1, target.stops);
    EXPECT_EQ(2u, movie.Captures());
}

TEST(CWndTimerTest, FrequencyZeroArmsNoRepeat)
{
    FakeMovieDestination movie;
    FakeStepTarget target;
    CWndTimer timer(&target);
    timer.Start(0);
    timer.SetMovieCapture(&movie, 0, Points({{0, 0}, {10, 10}}), SCT_RECTANGLE, L"", nullptr, false);
    PumpFor(200); // a repeat armed with no period would have captured by now
    SendTick(timer, CWndTimer::kStopTimerId);
    EXPECT_EQ(1, target.stops);
    EXPECT_EQ(0u, movie.Captures());
}

TEST(CWndTimerTest, ResumeRearmsTheScreenCaptureRepeat)
{
    CImageDestinations destinations;
    OutputWindow owner;
    FakeStepTarget target;
    CWndTimer timer(&target);
    timer.Start(60);
    // Every repeat of a window no one has fails, so each one shows as an output line.
    timer.SetScreenCapture(&destinations, 1, CArray<POINT>(), SCT_WINDOW, kNoSuchWindow, owner, false);
    ASSERT_TRUE(PumpUntil([&] { return !owner.lines.empty(); }));

    timer.Pause();
    size_t whenPaused = owner.lines.size();
    PumpFor(1200); // more than one repeat period
    EXPECT_EQ(whenPaused, owner.lines.size());

    timer.Resume();
    EXPECT_TRUE(PumpUntil([&] { return owner.lines.size() > whenPaused; }));
    EXPECT_EQ(0, target.stops);
}

TEST(CWndTimerTest, FailedRepeatGoesToTheEventLogAndTheOwnerWindow)
{
    struct Case
    {
        const wchar_t* name;
        bool screen;
        DestinationResult movieResult;
        EnumScreenCaptureType type;
        CArray<POINT> points;
        const wchar_t* selectionText;
        const wchar_t* expectedText;
    };
    const wchar_t notFound[] = L"The selection to capture was not found on the screen.";
    const Case cases[] = {
        {L"screen window no one has", true, DR_DONE, SCT_WINDOW, CArray<POINT>(), kNoSuchWindow, notFound},
        {L"movie destination failing", false, DR_FAILED, SCT_DESKTOP, CArray<POINT>(), L"", L"Frame not written."},
        {L"movie window with an empty name", false, DR_DONE, SCT_WINDOW, CArray<POINT>(), L"", notFound},
        {L"movie rectangle of one point", false, DR_DONE, SCT_RECTANGLE, Points({{5, 5}}), L"", notFound},
    };
    CImageDestinations destinations;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        FakeMovieDestination movie(c.movieResult, L"Frame not written.");
        OutputWindow owner;
        CWndTimer timer;
        if (c.screen)
            timer.SetScreenCapture(&destinations, 5, c.points, c.type, c.selectionText, owner, false);
        else
            timer.SetMovieCapture(&movie, 5, c.points, c.type, c.selectionText, owner, false);
        int before = ReadJobEvents().GetSize();

        UINT_PTR id = c.screen ? CWndTimer::kScreenTimerId : CWndTimer::kMovieTimerId;
        SendTick(timer, id);

        ASSERT_EQ(1u, owner.lines.size());
        EXPECT_EQ(CString(c.expectedText), owner.lines[0]);
        CStringArray events = ReadJobEvents();
        ASSERT_EQ(before + 1, events.GetSize());
        std::wstring expected = std::wstring(L"\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d  Task  ") +
                                (c.screen ? L"Screen" : L"Movie") + L"  ";
        std::wstring entry = events[events.GetSize() - 1].GetString();
        EXPECT_TRUE(std::regex_search(entry, std::wregex(L"^" + expected))) << entry;
        EXPECT_EQ(std::wstring(L"  ") + c.expectedText, entry.substr(entry.size() - wcslen(c.expectedText) - 2));
    }
}

TEST(CWndTimerTest, MovieRepeatCapturesTheSelectionByType)
{
    FakeMovieDestination movie;
    CWndTimer timer;
    timer.SetMovieCapture(&movie, 5, Points({{10, 10}, {50, 10}, {30, 40}}), SCT_POLYGON, L"", nullptr, false);
    SendTick(timer, CWndTimer::kMovieTimerId);
    timer.SetMovieCapture(&movie, 5, Points({{60, 80}, {20, 30}}), SCT_ELLIPSE, L"", nullptr, false);
    SendTick(timer, CWndTimer::kMovieTimerId);
    timer.SetMovieCapture(&movie, 5, CArray<POINT>(), SCT_DESKTOP, L"", nullptr, false);
    SendTick(timer, CWndTimer::kMovieTimerId);

    ASSERT_EQ(2u, movie.regionBoxes.size());
    RECT polygon = movie.regionBoxes[0];
    EXPECT_TRUE(polygon.left == 10 && polygon.top == 10 && polygon.right == 50 && polygon.bottom == 40);
    RECT ellipse = movie.regionBoxes[1];
    EXPECT_TRUE(ellipse.left >= 20 && ellipse.top >= 30 && ellipse.right <= 60 && ellipse.bottom <= 80 &&
                ellipse.right - ellipse.left > 30);
    ASSERT_EQ(1u, movie.windows.size());
    EXPECT_EQ(GetDesktopWindow(), movie.windows[0]);
}
} // namespace
