#include "capture/timing/CElapsedTimeDisplay.h"

#include "capture/tests/SelectionTestSupport.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>

using namespace selection_test;

namespace
{
// The main window's side: timer 1996 goes to the display.
class OwnerWindow : public CWnd
{
public:
    explicit OwnerWindow(CElapsedTimeDisplay& display) : m_display(display)
    {
        CreateEx(0, AppRegisterWndClass(0), L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_TIMER)
        {
            m_display.OnTimer(wParam);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    CElapsedTimeDisplay& m_display;
};

// The label and the time field of the Time/Action page, hidden and empty until attached:
// children of a page shown without activation and kept for the whole suite (Wine takes
// about two seconds to hide an activated top-level window).
class ElapsedTimeTest : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_page = CreateWindowExW(WS_EX_NOACTIVATE, L"STATIC", L"", WS_POPUP, 700, 10, 180, 20, nullptr, nullptr,
                                 nullptr, nullptr);
        ShowWindow(s_page, SW_SHOWNOACTIVATE);
        s_label = CreateWindowExW(0, L"STATIC", L"Elapsed:", WS_CHILD, 0, 0, 80, 20, s_page, nullptr, nullptr, nullptr);
        s_time = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 80, 0, 100, 20, s_page, nullptr, nullptr, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(s_page); }

protected:
    void SetUp() override
    {
        ShowWindow(m_label, SW_HIDE);
        ShowWindow(m_time, SW_HIDE);
        SetWindowTextW(m_time, L"");
    }

    CString TimeText() const
    {
        wchar_t text[64] = {};
        GetWindowTextW(m_time, text, 64);
        return text;
    }
    void Tick(int count)
    {
        for (int i = 0; i < count; ++i)
            m_display.OnTimer(CElapsedTimeDisplay::kTimerId);
    }

    CElapsedTimeDisplay m_display;
    HWND m_label = s_label;
    HWND m_time = s_time;

private:
    static inline HWND s_page = nullptr;
    static inline HWND s_label = nullptr;
    static inline HWND s_time = nullptr;
};
} // namespace

TEST_F(ElapsedTimeTest, ACountWithATotalEndsOnceTheElapsedTimeReachesIt)
{
    struct Case
    {
        int total;
        const wchar_t* atTotal;
    };
    const Case cases[] = {
        {1, L"0 : 00 : 01"},  {59, L"0 : 00 : 59"},   {60, L"0 : 01 : 00"},
        {61, L"0 : 01 : 01"}, {3600, L"1 : 00 : 00"}, {3661, L"1 : 01 : 01"},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(m_display.Start(nullptr, c.total));
        m_display.AttachWindows(m_label, m_time, true);
        Tick(c.total);
        EXPECT_EQ(CString(c.atTotal), TimeText()) << c.total;
        EXPECT_EQ(c.total, m_display.GetTotal()) << c.total;

        Tick(1);
        EXPECT_EQ(CString(L"0 : 00 : 00"), TimeText()) << c.total;
        EXPECT_EQ(-1, m_display.GetTotal()) << c.total;
        Tick(1); // counts on without a total
        EXPECT_EQ(CString(L"0 : 00 : 01"), TimeText()) << c.total;
        EXPECT_TRUE(m_display.IsRunning());
    }
}

TEST_F(ElapsedTimeTest, TheOwnersTimerMessagesCountWithoutEnd)
{
    OwnerWindow owner(m_display);
    ASSERT_TRUE(m_display.Start(&owner, -1));
    m_display.AttachWindows(m_label, m_time, true);
    EXPECT_TRUE(IsWindowVisible(m_label));
    EXPECT_EQ(CString(L"0 : 00 : 00"), TimeText());
    for (int i = 0; i < 65; ++i)
        SendMessageW(owner, WM_TIMER, CElapsedTimeDisplay::kTimerId, 0);
    SendMessageW(owner, WM_TIMER, CElapsedTimeDisplay::kTimerId + 1, 0); // another timer
    EXPECT_EQ(CString(L"0 : 01 : 05"), TimeText());
    m_display.Stop();
}

TEST_F(ElapsedTimeTest, StartSetsTheOwnersTimerAndPauseAndResumeStopAndRestartIt)
{
    OwnerWindow owner(m_display);
    ASSERT_TRUE(m_display.Start(&owner, -1));
    ASSERT_TRUE(PumpUntil([&] { return m_display.GetElapsedSeconds() == 1; }, 3000));
    m_display.Pause();
    PumpFor(1200); // more than one period of the owner's timer
    EXPECT_EQ(1u, m_display.GetElapsedSeconds());
    m_display.Resume();
    EXPECT_TRUE(PumpUntil([&] { return m_display.GetElapsedSeconds() == 2; }, 3000));
    m_display.Stop();
    EXPECT_EQ(0u, m_display.GetElapsedSeconds());
    EXPECT_EQ(-1, m_display.GetTotal());
}

TEST_F(ElapsedTimeTest, AHiddenFieldMissesNoSecondOfTheCount)
{
    ASSERT_TRUE(m_display.Start(nullptr, 120));
    m_display.AttachWindows(m_label, m_time, true);
    ShowWindow(m_time, SW_HIDE);
    Tick(59);
    EXPECT_EQ(CString(L"0 : 00 : 00"), TimeText()); // not written while hidden
    ShowWindow(m_time, SW_SHOW);
    Tick(1);
    EXPECT_EQ(CString(L"0 : 01 : 00"), TimeText());
    Tick(60);
    EXPECT_EQ(CString(L"0 : 02 : 00"), TimeText());
    Tick(1);
    EXPECT_EQ(-1, m_display.GetTotal());
}

TEST_F(ElapsedTimeTest, StartRefusesATotalBelowOneOtherThanMinusOne)
{
    for (int total : {0, -5})
    {
        EXPECT_FALSE(m_display.Start(nullptr, total)) << total;
        EXPECT_FALSE(m_display.IsRunning()) << total;
        EXPECT_EQ(-1, m_display.GetTotal()) << total;
    }
}

TEST_F(ElapsedTimeTest, AttachingShowsBothWindowsWithZeroWhenNotRunningAndStopShowsZero)
{
    ASSERT_TRUE(m_display.Start(nullptr, -1));
    Tick(5);
    m_display.AttachWindows(m_label, m_time, false);
    EXPECT_TRUE(IsWindowVisible(m_label));
    EXPECT_TRUE(IsWindowVisible(m_time));
    EXPECT_EQ(CString(L"0 : 00 : 00"), TimeText());
    m_display.AttachWindows(m_label, m_time, true);
    EXPECT_EQ(CString(L"0 : 00 : 05"), TimeText());
    m_display.Stop();
    EXPECT_EQ(CString(L"0 : 00 : 00"), TimeText());
}
