// Recording and playback end to end under the real hooks: input sent with SendInput to a
// test window is recorded, saved and reloaded; Ctrl+Break ends a recording; the
// playback driver types a recorded session back into an edit control with its timing.
#include "cuehook/CEventManager.h"
#include "cuehook/CuehookApi.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include <gtest/gtest.h>

namespace
{
// Two ticks of the system timer (about 16 ms each) for the driver's timer and the clock.
const int kTimerTolerance = 32;

struct TrainingSession
{
    bool ctrlBreak = false;
    LPARAM ctrlBreakEvent = -1;
    bool ended = false;
};

// The callback of a training, as the training manager uses it: events go to the store;
// Ctrl+Break ends the recording, the end of the events ends the playback.
LRESULT CALLBACK OnHookEvent(int code, WPARAM, LPARAM event, DWORD_PTR user)
{
    TrainingSession* session = reinterpret_cast<TrainingSession*>(user);
    if (code == kHookCodeCtrlBreak)
    {
        session->ctrlBreak = true;
        session->ctrlBreakEvent = event;
        HkStopRecorder(false);
        return 0;
    }
    int result = 0;
    if (HkIsRecording())
        result = HkOnRecordEvent(code, reinterpret_cast<EVENTMSG*>(event));
    else if (HkIsPlaying())
        result = HkOnPlayEvent(code, reinterpret_cast<EVENTMSG*>(event));
    if (result != -1)
        return result;
    session->ended = true;
    HkStopPlayer(false);
    HkUninstallPlayer();
    return 0;
}

std::vector<EVENTMSG> LoadEvents(const CString& path)
{
    CEventManager store;
    CString error;
    EXPECT_TRUE(store.LoadCBTFile(path, &error)) << error.ToAnsi();
    std::vector<EVENTMSG> events(store.GetEventCount());
    for (UINT i = 0; i < events.size(); ++i)
        store.GetEvent(i, events[i]);
    return events;
}

std::vector<EVENTMSG> Only(const std::vector<EVENTMSG>& events, UINT message)
{
    std::vector<EVENTMSG> kept;
    for (const EVENTMSG& event : events)
        if (event.message == message)
            kept.push_back(event);
    return kept;
}

std::vector<UINT> VirtualKeys(const std::vector<EVENTMSG>& keys)
{
    std::vector<UINT> codes;
    for (const EVENTMSG& key : keys)
        codes.push_back(LOBYTE(key.paramL));
    return codes;
}

class RecordPlayTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        HkUninstallRecorder();
        HkUninstallPlayer();
        HkStopRecorder(true);
        HkStopPlayer(true);
        DeleteFileW(m_path);
        DeleteFileW(m_copy);
    }

    void StartRecording()
    {
        const DWORD_PTR user = reinterpret_cast<DWORD_PTR>(&m_session);
        ASSERT_EQ(S_OK, HkInstallRecorder(reinterpret_cast<void*>(OnHookEvent), user, kHookNotifyCallback, &m_error))
            << m_error.ToAnsi();
        ASSERT_TRUE(HkStartRecorder(nullptr, nullptr, nullptr, false, false, false, true, &m_error));
    }

    void SaveRecording()
    {
        EXPECT_EQ(S_OK, HkUninstallRecorder());
        ASSERT_TRUE(HkSaveCBTFile(m_path, &m_error)) << m_error.ToAnsi();
        HkStopRecorder(true);
    }

    // Records typing the keys into the edit, gapMs between one key and the next.
    void RecordTyping(const std::vector<WORD>& keys, DWORD gapMs)
    {
        m_window.Activate();
        StartRecording();
        for (WORD key : keys)
        {
            TapKey(key);
            PumpFor(gapMs);
        }
        SaveRecording();
        m_window.ClearText();
    }

    // Writes the events as the training file, as if they had been recorded.
    void WriteTraining(const std::vector<EVENTMSG>& events)
    {
        CEventManager store;
        ASSERT_TRUE(store.StartRecorder(nullptr, nullptr, nullptr, false, false, false, true, nullptr));
        for (const EVENTMSG& event : events)
            ASSERT_EQ(0, store.OnRecordEvent(HC_ACTION, &event));
        store.StopRecorder(false);
        ASSERT_TRUE(store.SaveCBTFile(m_path, &m_error)) << m_error.ToAnsi();
    }

    // Starts playing the recorded file and returns.
    void StartPlaying(int repeats)
    {
        m_session = TrainingSession();
        ASSERT_TRUE(HkLoadCBTFile(m_path, &m_error)) << m_error.ToAnsi();
        const DWORD_PTR user = reinterpret_cast<DWORD_PTR>(&m_session);
        ASSERT_EQ(S_OK, HkInstallPlayer(reinterpret_cast<void*>(OnHookEvent), user, kHookNotifyCallback, &m_error));
        ASSERT_TRUE(HkStartPlayer(false, false, 0, repeats, &m_error));
    }

    // Plays the recorded file, to its end unless it repeats endlessly; seen gets every
    // message retrieved meanwhile.
    void Play(int repeats, const MessageSeen& seen = nullptr)
    {
        StartPlaying(repeats);
        if (repeats < 0)
            return;
        EXPECT_TRUE(PumpUntil([this] { return m_session.ended; }, 20000, seen));
    }

    CTestWindow& m_window = TestWindow();
    TrainingSession m_session;
    CString m_error;
    CString m_path = TempPath(L"recorded.vtf");
    CString m_copy = TempPath(L"recorded_copy.vtf");
};
} // namespace

TEST_F(RecordPlayTest, KeysAndClicksAreRecordedSavedAndReloaded)
{
    StartRecording();
    SendKey(VK_SHIFT, false);
    TapKey('A');
    SendKey(VK_SHIFT, true);
    TapKey('B');
    TapKey('1');
    const POINT click = m_window.ClickPoint();
    ClickAt(click);
    SaveRecording();
    EXPECT_EQ(L"Ab1", m_window.GetText());

    const std::vector<EVENTMSG> events = LoadEvents(m_path);
    EXPECT_EQ(std::vector<UINT>({VK_SHIFT, 'A', 'B', '1'}), VirtualKeys(Only(events, WM_KEYDOWN)));
    EXPECT_EQ(std::vector<UINT>({'A', VK_SHIFT, 'B', '1'}), VirtualKeys(Only(events, WM_KEYUP)));
    for (UINT button : {WM_LBUTTONDOWN, WM_LBUTTONUP})
    {
        const std::vector<EVENTMSG> clicks = Only(events, button);
        ASSERT_EQ(1u, clicks.size()) << button;
        EXPECT_EQ(static_cast<UINT>(click.x), clicks[0].paramL);
        EXPECT_EQ(static_cast<UINT>(click.y), clicks[0].paramH);
    }
    for (size_t i = 1; i < events.size(); ++i)
        EXPECT_LE(static_cast<int>(events[i - 1].time - events[i].time), 0) << "event " << i;

    ASSERT_TRUE(HkLoadCBTFile(m_path, &m_error)) << m_error.ToAnsi();
    ASSERT_TRUE(HkSaveCBTFile(m_copy, &m_error)) << m_error.ToAnsi();
    EXPECT_EQ(ReadBytes<Bytes>(m_path), ReadBytes<Bytes>(m_copy));
}

TEST_F(RecordPlayTest, CtrlBreakEndsTheRecordingAndIsNotRecorded)
{
    StartRecording();
    TapKey('X');
    SendKey(VK_CONTROL, false);
    TapKey(VK_CANCEL);
    SendKey(VK_CONTROL, true);
    EXPECT_TRUE(PumpUntil([this] { return m_session.ctrlBreak; }, 5000));
    EXPECT_EQ(0, m_session.ctrlBreakEvent);
    EXPECT_FALSE(HkIsRecording());
    // The recorder slot emptied itself.
    ASSERT_EQ(S_OK, HkInstallRecorder(reinterpret_cast<void*>(OnHookEvent), reinterpret_cast<DWORD_PTR>(&m_session),
                                      kHookNotifyCallback, &m_error));
    SaveRecording();

    const std::vector<UINT> pressed = VirtualKeys(Only(LoadEvents(m_path), WM_KEYDOWN));
    EXPECT_EQ(std::vector<UINT>({'X', VK_CONTROL}), pressed);
}

TEST_F(RecordPlayTest, PlaybackTypesTheRecordedSessionWithItsTiming)
{
    RecordTyping({'H', 'E', 'L', 'L', 'O'}, 150);
    ASSERT_TRUE(m_window.GetText().IsEmpty());
    const std::vector<EVENTMSG> recorded = Only(LoadEvents(m_path), WM_KEYDOWN);
    ASSERT_EQ(5u, recorded.size());

    std::vector<DWORD> played;
    Play(0, [&played, this](const MSG& message) {
        if (message.message == WM_KEYDOWN && message.hwnd == m_window.GetEdit())
            played.push_back(message.time);
    });
    EXPECT_EQ(L"hello", m_window.GetText());
    ASSERT_EQ(recorded.size(), played.size());
    for (size_t i = 1; i < played.size(); ++i)
    {
        const int recordedOffset = static_cast<int>(recorded[i].time - recorded[0].time);
        const int playedOffset = static_cast<int>(played[i] - played[0]);
        EXPECT_NEAR(recordedOffset, playedOffset, kTimerTolerance) << "key " << i;
    }
}

TEST_F(RecordPlayTest, EventsRecordedAtOneInstantPlayTogether)
{
    // The alphabet twice: more events than one turn of the driver plays.
    std::vector<EVENTMSG> burst;
    for (int round = 0; round < 2; ++round)
        for (UINT letter = 'A'; letter <= 'Z'; ++letter)
            for (UINT message : {WM_KEYDOWN, WM_KEYUP})
                burst.push_back(MakeEvent(message, letter, 0, 1000));
    WriteTraining(burst);

    std::vector<DWORD> played;
    Play(0, [&played, this](const MSG& message) {
        if (message.message == WM_KEYDOWN && message.hwnd == m_window.GetEdit())
            played.push_back(message.time);
    });
    EXPECT_EQ(L"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz", m_window.GetText());
    ASSERT_EQ(52u, played.size());
    // One event a timer tick (USER_TIMER_MINIMUM at the least) would spread the keys over
    // twice this at the least: two events a key.
    EXPECT_LT(played.back() - played.front(), (played.size() - 1) * USER_TIMER_MINIMUM);
}

TEST_F(RecordPlayTest, RepeatsPlayTheSessionAgain)
{
    RecordTyping({'A', 'B'}, 20);
    for (int repeats : {0, 1})
    {
        m_window.ClearText();
        Play(repeats);
        EXPECT_EQ(repeats == 0 ? L"ab" : L"abab", m_window.GetText()) << repeats;
        EXPECT_FALSE(HkIsPlaying());
    }
}

TEST_F(RecordPlayTest, EndlessPlaybackRunsUntilStopped)
{
    RecordTyping({'A', 'B'}, 20);
    Play(-1);
    EXPECT_TRUE(PumpUntil([this] { return m_window.GetText().GetLength() >= 6; }, 20000));
    HkStopPlayer(false);
    EXPECT_EQ(S_OK, HkUninstallPlayer());
    EXPECT_TRUE(InputSettled()); // keys already on their way
    const CString stopped = m_window.GetText();
    PumpFor(300);
    EXPECT_EQ(stopped, m_window.GetText());
    EXPECT_FALSE(m_session.ended);
    EXPECT_EQ(0, CString(L"abababababababababababababababab").Find(stopped)) << stopped.ToAnsi();
}

TEST_F(RecordPlayTest, KeysAndButtonsThePlaybackLeftDownAreReleasedHoweverItEnds)
{
    // As after a recording ended by Ctrl+Break: presses without their releases.
    const POINT click = m_window.ClickPoint();
    const std::vector<EVENTMSG> presses{MakeEvent(WM_LBUTTONDOWN, click.x, click.y, 1000),
                                        MakeEvent(WM_KEYDOWN, VK_CONTROL, 0, 1010)};
    const auto down = [](int key) { return GetAsyncKeyState(key) < 0; };
    enum Ending
    {
        kPlayedToTheEnd,
        kStopped,
        kUninstalled
    };
    for (Ending ending : {kPlayedToTheEnd, kStopped, kUninstalled})
    {
        std::vector<EVENTMSG> events = presses;
        if (ending != kPlayedToTheEnd)
            events.push_back(MakeEvent(WM_KEYDOWN, 'Z', 0, 600000)); // far off: the playback goes on
        WriteTraining(events);
        if (ending == kPlayedToTheEnd)
            Play(0);
        else
        {
            StartPlaying(0);
            ASSERT_TRUE(PumpUntil([&down] { return down(VK_CONTROL) && down(VK_LBUTTON); }, 5000)) << ending;
            if (ending == kStopped)
                HkStopPlayer(false);
            else
                EXPECT_EQ(S_OK, HkUninstallPlayer());
        }
        // The releases are typed like any other input.
        PumpUntil([&down] { return !down(VK_CONTROL) && !down(VK_LBUTTON); });
        EXPECT_FALSE(down(VK_CONTROL)) << ending;
        EXPECT_FALSE(down(VK_LBUTTON)) << ending;

        // Nothing stays down for the tests that follow, whatever the outcome.
        HkUninstallPlayer();
        HkStopPlayer(true);
        if (down(VK_CONTROL))
            SendKey(VK_CONTROL, true);
        if (down(VK_LBUTTON))
            ClickAt(click);
    }
}

TEST_F(RecordPlayTest, APauseHoldsTheAwaitedEventBackAndTheResumePlaysItOnce)
{
    const auto key = [](UINT message, UINT virtualKey, DWORD time) { return MakeEvent(message, virtualKey, 0, time); };
    WriteTraining({key(WM_KEYDOWN, 'A', 1000), key(WM_KEYUP, 'A', 1010), key(WM_KEYDOWN, 'B', 1300),
                   key(WM_KEYUP, 'B', 1310), key(WM_KEYDOWN, 'C', 1320), key(WM_KEYUP, 'C', 1330)});
    StartPlaying(0);
    // Paused while the playback waits for B.
    ASSERT_TRUE(PumpUntil([this] { return m_window.GetText() == L"a" && GetAsyncKeyState('A') >= 0; }, 5000));
    HkPausePlayer();
    PumpFor(700);
    EXPECT_EQ(L"a", m_window.GetText()) << m_window.GetText().ToAnsi();

    HkResumePlayer();
    EXPECT_TRUE(PumpUntil([this] { return m_session.ended; }, 5000));
    EXPECT_EQ(L"abc", m_window.GetText()) << m_window.GetText().ToAnsi();
}
