// HkVell.dll on real input: the right-button hold, the mouse events of a capture
// selection sent to the notify window after the hook has returned and kept from the
// window under the cursor, the repeat-last-capture hot key and Escape, and the main
// window's order of calls.
#include "capture/selection/CHkVellLibrary.h"
#include "capture/tests/HkVellTestSupport.h"
#include "capture/tests/SelectionTestSupport.h"
#include <algorithm>
#include <string>

namespace
{
using Messages = std::vector<UINT>;

// A mouse hook installed after the library's, so that it runs first and calls the
// library's hook through CallNextHookEx: it sees the moment that hook returns. For each
// button event it logs "returned <message>" and keeps the event as the hooks saw it.
class CHookReturnLog
{
public:
    explicit CHookReturnLog(std::vector<std::string>& log) : m_log(log)
    {
        s_log = this;
        m_hook = SetWindowsHookExW(WH_MOUSE_LL, &Proc, GetModuleHandleW(nullptr), 0);
    }
    ~CHookReturnLog()
    {
        UnhookWindowsHookEx(m_hook);
        s_log = nullptr;
    }
    CHookReturnLog(const CHookReturnLog&) = delete;
    CHookReturnLog& operator=(const CHookReturnLog&) = delete;

    const std::vector<MSLLHOOKSTRUCT>& Events() const { return m_events; }

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam)
    {
        const LRESULT result = CallNextHookEx(nullptr, code, wParam, lParam);
        if (code == HC_ACTION && s_log && wParam != WM_MOUSEMOVE)
        {
            s_log->m_log.push_back("returned " + std::to_string(wParam));
            s_log->m_events.push_back(*reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam));
        }
        return result;
    }

    static CHookReturnLog* s_log;
    std::vector<std::string>& m_log;
    std::vector<MSLLHOOKSTRUCT> m_events;
    HHOOK m_hook = nullptr;
};

CHookReturnLog* CHookReturnLog::s_log = nullptr;

class HkVellWatchTest : public HkVellInputTest
{
protected:
    // Watching for the notify window, as after a switch to screen capture.
    void SetUp() override
    {
        HkVellInputTest::SetUp();
        ASSERT_TRUE(m_library.Load()) << m_library.GetErrorText().ToAnsi(CP_UTF8);
        m_library.HkVellStartWatch(&m_notify);
        m_library.HkVellStartNotify(&m_notify);
    }

    CHkVellLibrary m_library;
};
} // namespace

TEST_F(HkVellWatchTest, RightButtonCountsAsHeldFromPressToReleaseWhileWatching)
{
    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_TRUE(m_library.HkVellIsRightButtonHeld());
    SendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());

    // Paused with the button down, then resumed with it still down.
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    m_library.HkVellStopWatch();
    m_library.HkVellStopNotify();
    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());
    m_library.HkVellStartWatch(&m_notify);
    m_library.HkVellStartNotify(&m_notify);
    EXPECT_TRUE(m_library.HkVellIsRightButtonHeld());
    SendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());

    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());
    SendMouse(MOUSEEVENTF_MIDDLEUP);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

TEST_F(HkVellWatchTest, MouseEventsGoToTheNotifyWindowByTheSelectionState)
{
    const int kOutOfRange = 7;
    struct Case
    {
        const char* name;
        bool capturing;
        bool selecting;
        std::vector<int> selectionTypes; // given in turn
        bool notifying;
        Messages notified;
        Messages reachingTarget;
    } cases[] = {
        {"no capture", false, true, {SCT_WINDOW}, true, {}, kLeftClick},
        {"rectangle before its first press", true, false, {SCT_RECTANGLE}, true, kLeftClick, {}},
        {"rectangle being drawn", true, true, {SCT_RECTANGLE}, true, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}, {}},
        {"free hand being drawn", true, true, {SCT_FREE_HAND}, true, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}, {}},
        {"window", true, false, {SCT_WINDOW}, true, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}, {}},
        {"desktop", true, false, {SCT_DESKTOP}, true, {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}, {}},
        {"type out of range ignored",
         true,
         false,
         {SCT_ACTIVE_WINDOW, kOutOfRange},
         true,
         {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP},
         {}},
        {"nobody notified", true, true, {SCT_RECTANGLE}, false, {}, kLeftClick},
    };
    for (const Case& c : cases)
    {
        // The move back reaches the hooks too: it is let pass before the case begins.
        SendMoveTo(kInsideTarget);
        for (int type : c.selectionTypes)
            m_library.HkVellSetSelectionType(static_cast<EnumScreenCaptureType>(type));
        if (!c.notifying)
            m_library.HkVellStopNotify();
        m_library.HkVellSetCapturing(c.capturing);
        m_library.HkVellSetSelecting(c.selecting);
        ClearWindows();

        SendMouseMove(4, 0);
        LeftClick();
        EXPECT_EQ(c.notified, m_notify.HookMouseMessages()) << c.name;
        EXPECT_EQ(c.reachingTarget, m_target.ButtonMessages()) << c.name;

        m_library.HkVellSetCapturing(false);
        m_library.HkVellSetSelecting(false);
        m_library.HkVellSetSelectionType(SCT_RECTANGLE);
        m_library.HkVellStartNotify(&m_notify);
    }
}

TEST_F(HkVellWatchTest, TheNotifiedRecordHoldsTheScreenPointAndTheExtraInfo)
{
    const ULONG_PTR kMarked = 0x5A5A;
    m_library.HkVellSetCapturing(true);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP, kMarked);
    SendMouse(MOUSEEVENTF_MIDDLEDOWN);
    SendMouse(MOUSEEVENTF_MIDDLEUP);

    // WM_MBUTTONUP lies beyond the notified range, but a kept press keeps its release.
    ASSERT_EQ((Messages{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MBUTTONDOWN}), m_notify.HookMouseMessages());
    const ULONG_PTR extraInfo[] = {0, kMarked, 0};
    for (size_t i = 0; i < 3; ++i)
    {
        const MSLLHOOKSTRUCT& data = m_notify.HookMouseEvents()[i].data;
        EXPECT_EQ(kInsideTarget.x, data.pt.x) << i;
        EXPECT_EQ(kInsideTarget.y, data.pt.y) << i;
        EXPECT_EQ(extraInfo[i], data.dwExtraInfo) << i;
    }
    EXPECT_TRUE(m_target.ButtonMessages().empty());
}

TEST_F(HkVellWatchTest, TheHookReturnsBeforeTheNotifyWindowHandlesACopyOfTheEvent)
{
    const ULONG_PTR kMarked = 0x7E57;
    std::vector<std::string> log;
    m_notify.OnHookMouse = [&log](UINT message) { log.push_back("handled " + std::to_string(message)); };
    CHookReturnLog hookReturns(log);
    m_library.HkVellSetCapturing(true);
    SendMouse(MOUSEEVENTF_LEFTDOWN, kMarked);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpUntil([&log] { return log.size() >= 4; }, 5000);

    // Each event's hook call has returned before the window handles the event (the next
    // event may pass the hooks before or after that).
    EXPECT_EQ(4u, log.size());
    for (UINT message : kLeftClick)
    {
        const auto returned = std::find(log.begin(), log.end(), "returned " + std::to_string(message));
        const auto handled = std::find(log.begin(), log.end(), "handled " + std::to_string(message));
        ASSERT_NE(log.end(), returned) << message;
        ASSERT_NE(log.end(), handled) << message;
        EXPECT_LT(returned - log.begin(), handled - log.begin()) << message;
    }
    ASSERT_EQ(kLeftClick, m_notify.HookMouseMessages());
    ASSERT_EQ(2u, hookReturns.Events().size());
    for (size_t i = 0; i < 2; ++i)
    {
        const MSLLHOOKSTRUCT& seen = hookReturns.Events()[i];
        const MSLLHOOKSTRUCT& told = m_notify.HookMouseEvents()[i].data;
        EXPECT_EQ(seen.pt.x, told.pt.x) << i;
        EXPECT_EQ(seen.pt.y, told.pt.y) << i;
        EXPECT_EQ(seen.mouseData, told.mouseData) << i;
        EXPECT_EQ(seen.flags, told.flags) << i;
        EXPECT_EQ(seen.time, told.time) << i;
        EXPECT_EQ(seen.dwExtraInfo, told.dwExtraInfo) << i;
    }
    EXPECT_EQ(kMarked, m_notify.HookMouseEvents()[0].data.dwExtraInfo);
    EXPECT_TRUE(m_target.ButtonMessages().empty());
}

TEST_F(HkVellWatchTest, ARightClickThatCancelsTheSelectionKeepsItsReleaseToo)
{
    // The notify window ends the capture inside the call, as the cancel of a selection does.
    m_notify.OnHookMouse = [this](UINT message) {
        if (message == WM_RBUTTONDOWN)
        {
            m_library.HkVellSetCapturing(false);
            m_library.HkVellSetSelecting(false);
        }
    };
    m_library.HkVellSetCapturing(true);
    m_library.HkVellSetSelecting(true);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_EQ(Messages{WM_RBUTTONDOWN}, m_notify.HookMouseMessages());
    EXPECT_TRUE(m_target.ButtonMessages().empty());

    LeftClick();
    EXPECT_EQ(kLeftClick, m_target.ButtonMessages());
}

TEST_F(HkVellWatchTest, AnEventQueuedBeforeTheCaptureEndedNeverReachesTheWindowAfterIt)
{
    std::vector<std::string> log;
    CHookReturnLog hookReturns(log);
    // While it handles the press, the window lets the release pass the hooks (so it is
    // queued while the capture still runs), then ends the capture.
    m_notify.OnHookMouse = [&](UINT message) {
        if (message != WM_RBUTTONDOWN)
            return;
        INPUT release{};
        release.type = INPUT_MOUSE;
        release.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
        SendInput(1, &release, sizeof release);
        // Sent messages only: the hook calls run, posted messages wait.
        const DWORD start = GetTickCount();
        while (hookReturns.Events().size() < 2 && GetTickCount() - start < 5000)
        {
            MSG sent;
            PeekMessageW(&sent, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        }
        m_library.HkVellSetCapturing(false);
        m_library.HkVellSetSelecting(false);
    };
    m_library.HkVellSetCapturing(true);
    m_library.HkVellSetSelecting(true);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    PumpUntil([&hookReturns] { return hookReturns.Events().size() >= 2; }, 5000);
    PumpFor(50);

    ASSERT_EQ(2u, hookReturns.Events().size());
    EXPECT_EQ(Messages{WM_RBUTTONDOWN}, m_notify.HookMouseMessages());
    EXPECT_TRUE(m_target.ButtonMessages().empty());
}

TEST_F(HkVellWatchTest, TheReleaseOfTheHoldThatBeganTheCaptureGoesToTheNotifyWindow)
{
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    ASSERT_TRUE(m_library.HkVellIsRightButtonHeld());
    m_library.HkVellSetCapturing(true);
    SendMouse(MOUSEEVENTF_RIGHTUP);

    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());
    EXPECT_EQ(Messages{WM_RBUTTONUP}, m_notify.HookMouseMessages());
    EXPECT_EQ(Messages{WM_RBUTTONDOWN}, m_target.ButtonMessages());
}

TEST_F(HkVellWatchTest, OnlyTheChosenRepeatHotKeyPostsARepeat)
{
    const WORD hotKeys[] = {VK_F9, VK_F11, VK_F12};
    for (EnumRepeatLastCapture choice : {RLC_CTRL_SHIFT_F9, RLC_CTRL_SHIFT_F11, RLC_CTRL_SHIFT_F12})
    {
        m_library.HkVellSetRepeatHotKey(choice);
        for (WORD key : {VK_F8, VK_F9, VK_F11, VK_F12})
        {
            ClearWindows();
            TapWithControlShift(key);
            const bool chosen = key == hotKeys[choice];
            if (!chosen)
                PumpFor(30); // time for a repeat that must not come
            EXPECT_EQ(chosen ? std::vector<LPARAM>{1} : std::vector<LPARAM>{}, m_notify.CaptureEnded())
                << "choice " << choice << " key " << key;
            EXPECT_EQ(std::vector<WPARAM>({VK_CONTROL, VK_SHIFT, key}), m_target.KeysDown()) << "key " << key;
        }
    }

    // An index out of range keeps the choice.
    m_library.HkVellSetRepeatHotKey(RLC_CTRL_SHIFT_F11);
    m_library.HkVellSetRepeatHotKey(static_cast<EnumRepeatLastCapture>(3));
    m_library.HkVellSetRepeatHotKey(static_cast<EnumRepeatLastCapture>(-1));
    ClearWindows();
    TapWithControlShift(VK_F11);
    EXPECT_EQ(std::vector<LPARAM>{1}, m_notify.CaptureEnded());
}

TEST_F(HkVellWatchTest, TheHotKeyPostsOncePerPressAndOnlyWithControlAndShift)
{
    // Auto-repeat: three presses before the release.
    SendKey(VK_CONTROL, false);
    SendKey(VK_SHIFT, false);
    for (int i = 0; i < 3; ++i)
        SendKey(VK_F9, false);
    SendKey(VK_F9, true);
    TapKey(VK_F9);
    SendKey(VK_SHIFT, true);
    SendKey(VK_CONTROL, true);
    EXPECT_EQ((std::vector<LPARAM>{1, 1}), m_notify.CaptureEnded());

    m_notify.Clear();
    for (WORD modifier : {VK_CONTROL, VK_SHIFT})
    {
        SendKey(modifier, false);
        TapKey(VK_F9);
        SendKey(modifier, true);
    }
    TapKey(VK_F9);
    PumpFor(30);
    EXPECT_TRUE(m_notify.CaptureEnded().empty());
}

TEST_F(HkVellWatchTest, EscapeEndsASelectionOnlyWhileCapturing)
{
    TapKey(VK_ESCAPE);
    PumpFor(30);
    EXPECT_TRUE(m_notify.CaptureEnded().empty());
    EXPECT_EQ(std::vector<WPARAM>{VK_ESCAPE}, m_target.KeysDown());

    ClearWindows();
    m_library.HkVellSetCapturing(true);
    SendKey(VK_ESCAPE, false);
    SendKey(VK_ESCAPE, false);
    SendKey(VK_ESCAPE, true);
    EXPECT_EQ(std::vector<LPARAM>{0}, m_notify.CaptureEnded());
    EXPECT_TRUE(m_target.KeysDown().empty());

    // With nobody to tell, the key goes on to the focused window.
    ClearWindows();
    m_library.HkVellStopNotify();
    TapKey(VK_ESCAPE);
    PumpFor(30);
    EXPECT_TRUE(m_notify.CaptureEnded().empty());
    EXPECT_EQ(std::vector<WPARAM>{VK_ESCAPE}, m_target.KeysDown());
}

TEST_F(HkVellWatchTest, TheMainWindowsOrderOfCallsStartsPausesAndResumesTheWatch)
{
    // A switch to screen capture, then the settings applied.
    m_library.HkVellStopWatch();
    m_library.HkVellStopNotify();
    m_library.HkVellStartWatch(&m_notify);
    m_library.HkVellStartNotify(&m_notify);
    m_library.HkVellSetRepeatHotKey(RLC_CTRL_SHIFT_F12);
    m_library.HkVellSetSelectionType(SCT_RECTANGLE);

    // A hold begins the capture; the first press starts drawing the rectangle.
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_TRUE(m_library.HkVellIsRightButtonHeld());
    m_library.HkVellSetCapturing(true);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    m_library.HkVellSetSelecting(true);
    SendMouseMove(4, 0);
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ((Messages{WM_RBUTTONUP, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}), m_notify.HookMouseMessages());

    // The capture finished.
    m_library.HkVellSetCapturing(false);
    m_library.HkVellSetSelecting(false);
    ClearWindows();
    LeftClick();
    EXPECT_TRUE(m_notify.HookMouseEvents().empty());
    EXPECT_EQ(kLeftClick, m_target.ButtonMessages());

    // Paused: nothing is watched.
    m_library.HkVellStopWatch();
    m_library.HkVellStopNotify();
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_FALSE(m_library.HkVellIsRightButtonHeld());
    SendMouse(MOUSEEVENTF_RIGHTUP);
    TapWithControlShift(VK_F12);
    PumpFor(30);
    EXPECT_TRUE(m_notify.CaptureEnded().empty());

    // Resumed, and started once more by a stop: one watch, each event told once.
    for (int i = 0; i < 2; ++i)
    {
        m_library.HkVellStartWatch(&m_notify);
        m_library.HkVellStartNotify(&m_notify);
    }
    ClearWindows();
    m_library.HkVellSetCapturing(true);
    m_library.HkVellSetSelecting(true);
    SendMouseMove(4, 0);
    LeftClick();
    TapWithControlShift(VK_F12);
    EXPECT_EQ((Messages{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}), m_notify.HookMouseMessages());
    EXPECT_EQ(std::vector<LPARAM>{1}, m_notify.CaptureEnded());

    // Another notify window takes over.
    CRecordingWindow other(false, kHiddenRect);
    m_library.HkVellStartNotify(&other);
    ClearWindows();
    LeftClick();
    EXPECT_EQ(kLeftClick, other.HookMouseMessages());
    EXPECT_TRUE(m_notify.HookMouseEvents().empty());
}
