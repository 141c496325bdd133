// The recorded-event store: what recording keeps, how playback hands the events out
// (delays, passes, filters, ends), growth of the array and its failure.
#include "cuehook/CEventManager.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include <gtest/gtest.h>

namespace
{
EVENTMSG Key(UINT message, UINT virtualKey, DWORD time)
{
    return MakeEvent(message, virtualKey, 1, time);
}

EVENTMSG Mouse(UINT message, DWORD time)
{
    return MakeEvent(message, 10, 20, time);
}

void StartRecording(CEventManager& store, bool skipMouse = false, bool skipKeyboard = false)
{
    ASSERT_TRUE(store.StartRecorder(nullptr, nullptr, nullptr, skipMouse, skipKeyboard, false, true, nullptr));
}

void Record(CEventManager& store, const std::vector<EVENTMSG>& events)
{
    StartRecording(store);
    for (const EVENTMSG& event : events)
        ASSERT_EQ(0, store.OnRecordEvent(HC_ACTION, &event));
    store.StopRecorder(false);
}

std::vector<UINT> StoredMessages(const CEventManager& store)
{
    std::vector<UINT> messages;
    EVENTMSG event{};
    for (UINT i = 0; store.GetEvent(i, event); ++i)
        messages.push_back(event.message);
    return messages;
}

// One step of the journal-playback protocol and what the store answered.
struct Step
{
    int code;
    int result;
    UINT message; // HC_GETNEXT: the message of the event handed out (0: the zeroed event)
};

void ExpectPlayback(CEventManager& store, const std::vector<Step>& steps)
{
    for (size_t i = 0; i < steps.size(); ++i)
    {
        EVENTMSG out = MakeEvent(0xFFFF, 0, 0, 0);
        EXPECT_EQ(steps[i].result, store.OnPlayEvent(steps[i].code, &out)) << "step " << i;
        if (steps[i].code == HC_GETNEXT)
        {
            EXPECT_EQ(steps[i].message, out.message) << "step " << i;
        }
    }
}

// Takes the events of passes until HC_SKIP ends the playback (at most limit of them);
// the messages handed out, 0 standing for the zeroed event that starts a pass.
std::vector<UINT> PlayToEnd(CEventManager& store, int limit = 100)
{
    std::vector<UINT> played;
    for (int i = 0; i < limit; ++i)
    {
        EVENTMSG out{};
        store.OnPlayEvent(HC_GETNEXT, &out);
        played.push_back(out.message);
        if (store.OnPlayEvent(HC_SKIP, nullptr) == -1)
            break;
    }
    return played;
}
} // namespace

TEST(EventStore, PlaybackWaitsBeforeEachEventForItsGapToThePreviousOne)
{
    CEventManager store;
    Record(store, {Key(WM_KEYDOWN, 'A', 1000), Key(WM_KEYUP, 'A', 1300), Key(WM_KEYDOWN, 'B', 1350)});
    ASSERT_TRUE(store.StartPlayer(false, false, 0));
    ExpectPlayback(store, {
                              {HC_GETNEXT, 0, 0}, // nothing taken yet: a zeroed event
                              {HC_SKIP, 0, 0},
                              {HC_GETNEXT, 0, WM_KEYDOWN}, // the first event plays at once
                              {HC_GETNEXT, 0, WM_KEYDOWN},
                              {HC_SKIP, 0, 0},
                              {HC_GETNEXT, 300, WM_KEYUP}, // 300 ms after the first
                              {HC_GETNEXT, 0, WM_KEYUP},   // asked again: the wait is served
                              {HC_SKIP, 0, 0},
                              {HC_GETNEXT, 50, WM_KEYDOWN},
                              {HC_SKIP, -1, 0}, // no repeats: the end
                          });
}

TEST(EventStore, AnEventStampedBeforeThePreviousOneWaitsOneMillisecond)
{
    // The tick count wrapped, or the events were put together from two recordings.
    CEventManager store;
    Record(store, {Key(WM_KEYDOWN, 'A', 1000), Key(WM_KEYUP, 'A', 700), Key(WM_KEYDOWN, 'B', 760)});
    ASSERT_TRUE(store.StartPlayer(false, false, 0));
    ExpectPlayback(store, {{HC_SKIP, 0, 0},
                           {HC_GETNEXT, 0, WM_KEYDOWN},
                           {HC_SKIP, 0, 0},
                           {HC_GETNEXT, 1, WM_KEYUP},
                           {HC_SKIP, 0, 0},
                           {HC_GETNEXT, 60, WM_KEYDOWN}});
}

TEST(EventStore, SkippedEventsDoNotShortenTheWaitOfTheNextPlayedOne)
{
    CEventManager store;
    Record(store, {Key(WM_KEYDOWN, 'A', 1000), Mouse(WM_MOUSEMOVE, 1100), Mouse(WM_LBUTTONDOWN, 1200),
                   Key(WM_KEYUP, 'A', 1400)});
    ASSERT_TRUE(store.StartPlayer(true, false, 0));
    ExpectPlayback(
        store,
        {{HC_SKIP, 0, 0}, {HC_GETNEXT, 0, WM_KEYDOWN}, {HC_SKIP, 0, 0}, {HC_GETNEXT, 400, WM_KEYUP}, {HC_SKIP, -1, 0}});
}

TEST(EventStore, RepeatCountGivesFurtherPasses)
{
    struct Case
    {
        int repeats;
        std::vector<UINT> played;
    } cases[] = {
        {0, {0, WM_KEYDOWN, WM_KEYUP}},
        {1, {0, WM_KEYDOWN, WM_KEYUP, 0, WM_KEYDOWN, WM_KEYUP}},
        {2, {0, WM_KEYDOWN, WM_KEYUP, 0, WM_KEYDOWN, WM_KEYUP, 0, WM_KEYDOWN, WM_KEYUP}},
    };
    for (const Case& c : cases)
    {
        CEventManager store;
        Record(store, {Key(WM_KEYDOWN, 'A', 10), Key(WM_KEYUP, 'A', 20)});
        ASSERT_TRUE(store.StartPlayer(false, false, c.repeats));
        EXPECT_EQ(c.played, PlayToEnd(store)) << "repeats " << c.repeats;
    }
}

TEST(EventStore, EndlessRepeatGoesOnAndANewPassStartsWithoutWaiting)
{
    CEventManager store;
    Record(store, {Key(WM_KEYDOWN, 'A', 10), Key(WM_KEYUP, 'A', 500)});
    ASSERT_TRUE(store.StartPlayer(false, false, -1));
    ExpectPlayback(store, {{HC_SKIP, 0, 0},
                           {HC_GETNEXT, 0, WM_KEYDOWN},
                           {HC_SKIP, 0, 0},
                           {HC_GETNEXT, 490, WM_KEYUP},
                           {HC_SKIP, 0, 0}, // a new pass
                           {HC_GETNEXT, 0, 0},
                           {HC_SKIP, 0, 0},
                           {HC_GETNEXT, 0, WM_KEYDOWN},
                           {HC_SKIP, 0, 0},
                           {HC_GETNEXT, 490, WM_KEYUP}});
    EXPECT_EQ(100u, PlayToEnd(store, 100).size());
}

TEST(EventStore, PlaybackWithNothingToPlayEnds)
{
    struct Case
    {
        const char* name;
        std::vector<EVENTMSG> events;
        bool skipKeyboard;
        int repeats;
    } cases[] = {
        {"empty store", {}, false, 0},
        {"empty store, endless", {}, false, -1},
        {"every event filtered", {Key(WM_KEYDOWN, 'A', 10), Key(WM_KEYUP, 'A', 20)}, true, 0},
        {"every event filtered, endless", {Key(WM_KEYDOWN, 'A', 10), Key(WM_KEYUP, 'A', 20)}, true, -1},
        {"every event filtered, repeats left", {Key(WM_KEYDOWN, 'A', 10)}, true, 5},
    };
    for (const Case& c : cases)
    {
        CEventManager store;
        Record(store, c.events);
        ASSERT_TRUE(store.StartPlayer(false, c.skipKeyboard, c.repeats));
        EXPECT_EQ(-1, store.OnPlayEvent(HC_SKIP, nullptr)) << c.name;
    }
}

TEST(EventStore, PausedOrStoppedPlaybackAnswersZero)
{
    CEventManager store;
    Record(store, {Key(WM_KEYDOWN, 'A', 10)});
    EXPECT_EQ(0, store.OnPlayEvent(HC_SKIP, nullptr));
    ASSERT_TRUE(store.StartPlayer(false, false, 0));
    store.PausePlayer();
    EXPECT_TRUE(store.IsPlayingPaused());
    EXPECT_EQ(0, store.OnPlayEvent(HC_SKIP, nullptr));
    EXPECT_EQ(0, store.OnPlayEvent(HC_SKIP, nullptr));
    store.ResumePlayer();
    EXPECT_EQ(0, store.OnPlayEvent(HC_SKIP, nullptr));
    EXPECT_EQ(-1, store.OnPlayEvent(HC_SKIP, nullptr));
    store.StopPlayer(false);
    EXPECT_FALSE(store.IsPlaying());
    EXPECT_EQ(1u, store.GetEventCount());
}

TEST(EventStore, RecordingKeepsWhatTheFiltersLetThrough)
{
    std::vector<EVENTMSG> input;
    for (UINT message = WM_KEYDOWN; message <= 0x109; ++message)
        input.push_back(MakeEvent(message, 0, 0, message));
    for (UINT message = WM_MOUSEMOVE; message <= 0x20E; ++message)
        input.push_back(MakeEvent(message, 0, 0, message));
    struct Case
    {
        bool skipMouse;
        bool skipKeyboard;
        std::vector<UINT> kept;
    } cases[] = {
        {true, false, {0x100, 0x101, 0x102, 0x103, 0x104, 0x105, 0x106, 0x107, 0x108, 0x109, 0x20E}},
        {false,
         true,
         {0x109, 0x200, 0x201, 0x202, 0x203, 0x204, 0x205, 0x206, 0x207, 0x208, 0x209, 0x20A, 0x20B, 0x20C, 0x20D,
          0x20E}},
        {true, true, {0x109, 0x20E}},
    };
    for (const Case& c : cases)
    {
        CEventManager store;
        StartRecording(store, c.skipMouse, c.skipKeyboard);
        for (const EVENTMSG& event : input)
            ASSERT_EQ(0, store.OnRecordEvent(HC_ACTION, &event));
        EXPECT_EQ(c.kept, StoredMessages(store)) << c.skipMouse << c.skipKeyboard;
    }
}

TEST(EventStore, NothingIsRecordedWhilePausedOrSystemModal)
{
    CEventManager store;
    StartRecording(store);
    const EVENTMSG a = Key(WM_KEYDOWN, 'A', 1), b = Key(WM_KEYDOWN, 'B', 2), c = Key(WM_KEYDOWN, 'C', 3),
                   d = Key(WM_KEYDOWN, 'D', 4);
    store.OnRecordEvent(HC_ACTION, &a);
    store.PauseRecorder();
    EXPECT_TRUE(store.IsRecordingPaused());
    store.OnRecordEvent(HC_ACTION, &b);
    store.ResumeRecorder();
    store.OnRecordEvent(HC_SYSMODALON, nullptr);
    store.OnRecordEvent(HC_ACTION, &c);
    store.OnRecordEvent(HC_SYSMODALOFF, nullptr);
    store.OnRecordEvent(HC_ACTION, &d);
    EXPECT_EQ(0, store.OnRecordEvent(HC_ACTION, nullptr));
    ASSERT_EQ(2u, store.GetEventCount());
    EVENTMSG second{};
    store.GetEvent(1, second);
    EXPECT_EQ(static_cast<UINT>('D'), second.paramL);
}

TEST(EventStore, RecordingAndPlayingExcludeEachOther)
{
    CEventManager store;
    Record(store, {Key(WM_KEYDOWN, 'A', 1)});
    ASSERT_TRUE(store.StartPlayer(false, false, 0));
    CString error = L"untouched";
    EXPECT_FALSE(store.StartRecorder(nullptr, nullptr, nullptr, false, false, false, true, &error));
    EXPECT_EQ(L"untouched", error);
    EXPECT_FALSE(store.IsRecording());
    store.StopPlayer(false);

    StartRecording(store);
    EXPECT_TRUE(store.StartPlayer(false, false, 0));
    EXPECT_FALSE(store.IsPlaying());
}

TEST(EventStore, StopKeepsTheEventsUnlessAskedToFreeThem)
{
    CEventManager store;
    StartRecording(store);
    const EVENTMSG a = Key(WM_KEYDOWN, 'A', 1);
    store.OnRecordEvent(HC_ACTION, &a);
    store.StopRecorder(false);
    EXPECT_EQ(1u, store.GetEventCount());
    ASSERT_TRUE(store.StartRecorder(nullptr, nullptr, nullptr, false, false, false, false, nullptr));
    store.OnRecordEvent(HC_ACTION, &a);
    EXPECT_EQ(2u, store.GetEventCount()); // without reset new events are appended
    store.StopRecorder(true);
    EXPECT_EQ(0u, store.GetEventCount());
}

TEST(EventStore, TheArrayGrowsPastItsFirst500Events)
{
    CEventManager store;
    StartRecording(store);
    for (DWORD i = 0; i < 1001; ++i)
    {
        const EVENTMSG event = Key(WM_KEYDOWN, 'A', i);
        ASSERT_EQ(0, store.OnRecordEvent(HC_ACTION, &event)) << i;
    }
    ASSERT_EQ(1001u, store.GetEventCount());
    EVENTMSG last{};
    store.GetEvent(1000, last);
    EXPECT_EQ(1000u, last.time);
}

TEST(EventStore, WhenTheArrayCannotGrowTheRecordedEventsStayAndAreSaved)
{
    // A heap that holds the first 500 events but not 1000.
    HANDLE heap = HeapCreate(0, 0x4000, 0x4000);
    ASSERT_NE(nullptr, heap);
    {
        CEventManager store(heap);
        StartRecording(store);
        for (DWORD i = 0; i < 500; ++i)
        {
            const EVENTMSG event = Key(WM_KEYDOWN, 'A', i);
            ASSERT_EQ(0, store.OnRecordEvent(HC_ACTION, &event));
        }
        const EVENTMSG extra = Key(WM_KEYDOWN, 'B', 500);
        EXPECT_EQ(-1, store.OnRecordEvent(HC_ACTION, &extra));
        EXPECT_EQ(500u, store.GetEventCount());

        const CString path = TempPath(L"grown.vtf");
        CString error;
        ASSERT_TRUE(store.SaveCBTFile(path, &error)) << error.ToAnsi();
        EXPECT_EQ(60u + 500 * 24 + 1, ReadBytes<Bytes>(path).size());
        DeleteFileW(path);
    }
    HeapDestroy(heap);
}

TEST(EventStore, WindowEventsStoreWhereTheForegroundWindowStands)
{
    CTestWindow& window = TestWindow();
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(GetForegroundWindow(), &rect));
    WNDCLASSW timerClass{};
    timerClass.lpfnWndProc = DefWindowProcW;
    timerClass.lpszClassName = L"$zvellumortimerz$";
    RegisterClassW(&timerClass);
    HWND timerWindow = CreateWindowExW(0, L"$zvellumortimerz$", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    struct Case
    {
        const char* name;
        HWND window;
        bool stored;
    } cases[] = {
        {"ordinary window", window.GetEdit(), true},
        {"no window", nullptr, false},
        {"capture engine's timer window in another case", timerWindow, false},
        {"destroyed window (no class name)", reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7FFF0000)), false},
    };
    for (const Case& c : cases)
    {
        CEventManager store;
        StartRecording(store);
        const EVENTMSG event = MakeEvent(0, 0, 0, 4242, c.window);
        EXPECT_EQ(0, store.OnCBTEvent(HC_ACTION, &event)) << c.name;
        ASSERT_EQ(c.stored ? 1u : 0u, store.GetEventCount()) << c.name;
        if (!c.stored)
            continue;
        EVENTMSG move{};
        store.GetEvent(0, move);
        EXPECT_EQ(static_cast<UINT>(WM_MOVE), move.message);
        EXPECT_EQ(static_cast<UINT>(MAKELONG(rect.left, rect.top)), move.paramL);
        EXPECT_EQ(4242u, move.time);
        EXPECT_EQ(GetForegroundWindow(), move.hwnd);
    }
    DestroyWindow(timerWindow);
}
