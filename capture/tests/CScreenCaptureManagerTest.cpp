#include "capture/selection/CScreenCaptureManager.h"

#include "capture/selection/CHkVellLibrary.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/selection/CScTitleTip.h"
#include "capture/tests/TestCaptureOwner.h"
#include "capture/timing/CWndTimer.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/FakeSystemCursors.h"
#include "capture/tests/HkVellTestSupport.h"
#include "capture/tests/SelectionTestSupport.h"
#include "common/CEventLog.h"
#include "common/tests/MessageBoxRecorder.h"
#include "testing/TestInput.h"

#include <gtest/gtest.h>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;
using screen_test::Pixels;
using screen_test::ReadPixels;

namespace
{
// One call of OnCaptureFinished.
struct Finish
{
    unsigned result;
    bool repeat;
    bool endSelection;
    bool showTip;
    bool logFailure;

    bool operator==(const Finish& o) const
    {
        return result == o.result && repeat == o.repeat && endSelection == o.endSelection && showTip == o.showTip &&
               logFailure == o.logFailure;
    }
};

void PrintTo(const Finish& f, std::ostream* out)
{
    *out << "(" << f.result << ", " << f.repeat << ", " << f.endSelection << ", " << f.showTip << ", " << f.logFailure
         << ")";
}

// An owner that records what the manager asks of it and, like the main window,
// ends the selection when asked.
class RecordingOwner : public ICaptureOwner
{
public:
    void BeginCapture() override
    {
        ++beginCaptures;
        if (manager && startSelection)
            manager->BeginSelection();
    }
    void OnCaptureFinished(DestinationResult result, bool repeat, bool endSelection, bool showTip,
                           bool logFailure) override
    {
        finishes.push_back({result, repeat, endSelection, showTip, logFailure});
        if (endSelection && manager)
            manager->EndSelection(false);
    }
    void SetRightButtonPoll(bool) override {}
    CHkVellLibrary* GetHookLibrary() override { return nullptr; }
    HWND GetOwnerWindow() override { return nullptr; }

    CScreenCaptureManagerBase* manager = nullptr;
    bool startSelection = true;
    int beginCaptures = 0;
    std::vector<Finish> finishes;
};

// The dialogs, answered by the test.
class AnsweringDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam& record, HWND) override
    {
        asked.push_back(record.GetType());
        if (propertiesAnswer == IDOK && record.GetType() == SP_SC_FILE && !editedName.IsEmpty())
            static_cast<InfoScFile&>(record).FName = editedName;
        return propertiesAnswer;
    }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType& type, std::vector<POINT>& points, CString&, HWND) override
    {
        ++selectionAsked;
        if (selectionAnswer == kSelectionUseSelection)
        {
            type = selectionType;
            points = selectionPoints;
        }
        return selectionAnswer;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }

    int propertiesAnswer = IDOK;
    CString editedName;
    std::vector<EnumSendParam> asked;
    int selectionAnswer = kSelectionUseSelection;
    EnumScreenCaptureType selectionType = SCT_RECTANGLE;
    std::vector<POINT> selectionPoints;
    int selectionAsked = 0;
};

const wchar_t kFileName[] = L"shot";
// A repeat or a direct capture that ran the destinations.
const std::vector<Finish> kRepeatDone = {{DR_DONE, true, false, true, true}};

MSLLHOOKSTRUCT HookData(int x, int y, ULONG_PTR extraInfo = 0, DWORD time = 0)
{
    MSLLHOOKSTRUCT data = {};
    data.pt = {x, y};
    data.time = time;
    data.dwExtraInfo = extraInfo;
    return data;
}

Pixels FilePixels(const CString& path)
{
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    Pixels pixels = ReadPixels(bitmap);
    if (bitmap)
        DeleteObject(bitmap);
    return pixels;
}

// The number of files in folder.
int CountFiles(const TestFolder& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder / L"*", &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        count += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

// Limit of the waits for a timer's work.
const DWORD kTimedLimitMs = 10000;
// Limit of the waits for the work of real input (hiding the active overlay alone takes
// about two seconds under Wine).
const DWORD kInputLimitMs = 10000;

// The settings enable the file destination, writing BMP files into a folder of the
// test with the show-dialog flag on; the user's settings come back afterwards.
class ScreenCaptureManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedSettings.LoadFromRegistry();
        m_savedFile.LoadFromRegistry();
        InfoScSettings settings;
        settings.Clear();
        settings.File = true;
        settings.Type = SCT_RECTANGLE;
        settings.SaveToRegistry(0);
        InfoScFile file(kFileName, m_folder.Path(), FT_BMP, true, true, 0, 0);
        file.SaveToRegistry(0);
        MakeManager();
    }
    void TearDown() override
    {
        m_manager.reset();
        m_savedSettings.SaveToRegistry(0);
        m_savedFile.SaveToRegistry(0);
    }

    void MakeManager()
    {
        m_manager.reset(
            new CScreenCaptureManager(std::unique_ptr<CImageDestinations>(new CImageDestinations), m_dialogs));
        m_manager->SetSystemCursors(m_cursors);
        m_manager->SetOwner(&m_owner);
        m_owner.manager = m_manager.get();
    }
    InfoScFile& FileRecord() { return *static_cast<InfoScFile*>(m_manager->GetRecord(SP_SC_FILE)); }
    CString FilePath(const wchar_t* name = kFileName) const { return m_folder / name + CString(L".bmp"); }
    // A timed capture every frequency seconds for duration seconds into numbered files.
    void MakeTimed(int duration, int frequency = 1)
    {
        FileRecord().ShowDlg = false;
        FileRecord().Overwrite = false;
        FileRecord().Duration = duration;
        FileRecord().Frequence = frequency;
    }
    // Runs a timed capture's step with its own timer messages: repeats captures, then
    // the end of the step.
    void TickTimed(int repeats)
    {
        CWndTimer* timer = m_manager->GetTimer();
        ASSERT_NE(nullptr, timer);
        const HWND window = timer->GetSafeHwnd();
        for (int i = 0; i < repeats; ++i)
            SendMessageW(window, WM_TIMER, CWndTimer::kScreenTimerId, 0);
        SendMessageW(window, WM_TIMER, CWndTimer::kStopTimerId, 0);
    }
    void Hook(UINT message, int x, int y, ULONG_PTR extraInfo = 0, DWORD time = 0)
    {
        MSLLHOOKSTRUCT data = HookData(x, y, extraInfo, time);
        m_manager->OnHookMouseMessage(message, &data);
    }
    void Drag(POINT from, POINT to)
    {
        Hook(WM_LBUTTONDOWN, from.x, from.y);
        Hook(WM_MOUSEMOVE, (from.x + to.x) / 2, (from.y + to.y) / 2);
        Hook(WM_MOUSEMOVE, to.x, to.y);
        Hook(WM_LBUTTONUP, to.x, to.y);
    }

    TestFolder m_folder;
    InfoScSettings m_savedSettings;
    InfoScFile m_savedFile;
    FakeSystemCursors m_cursors;
    AnsweringDialogs m_dialogs;
    RecordingOwner m_owner;
    std::unique_ptr<CScreenCaptureManager> m_manager;
};
} // namespace

TEST_F(ScreenCaptureManagerTest, CancelledShowDialogStartsNothing)
{
    m_dialogs.propertiesAnswer = IDCANCEL;
    EXPECT_EQ(DR_NOTHING_DONE, m_manager->Start(false));
    EXPECT_EQ(std::vector<EnumSendParam>{SP_SC_FILE}, m_dialogs.asked);
    EXPECT_EQ(0, m_owner.beginCaptures);
    EXPECT_FALSE(Exists(FilePath()));
}

TEST_F(ScreenCaptureManagerTest, StartWithoutDestinationGivesTheReason)
{
    m_manager->GetSettings()->File = false;
    EXPECT_EQ(DR_FAILED, m_manager->Start(false));
    CString text;
    m_manager->GetErrorText(text);
    EXPECT_EQ(CString(L"There is no screen capture selection done."), text);
    // The next start's own outcome replaces the old reason.
    m_manager->GetSettings()->File = true;
    m_dialogs.propertiesAnswer = IDCANCEL;
    m_manager->Start(false);
    m_manager->GetErrorText(text);
    EXPECT_EQ(CString(L"Unknown error."), text);
}

TEST_F(ScreenCaptureManagerTest, InteractiveCaptureAsksOnceAndKeepsTheEdits)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    m_dialogs.editedName = L"edited";
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    ASSERT_EQ(1, m_owner.beginCaptures);
    ASSERT_TRUE(m_manager->IsSelectionActive());

    Drag({210, 160}, {260, 200});

    EXPECT_EQ(std::vector<EnumSendParam>{SP_SC_FILE}, m_dialogs.asked);
    const std::vector<Finish> expected = {{DR_DONE, false, true, false, false}, {DR_DONE, false, false, true, true}};
    EXPECT_EQ(expected, m_owner.finishes);
    EXPECT_FALSE(Exists(FilePath()));
    Pixels pixels = FilePixels(FilePath(L"edited"));
    ASSERT_EQ(50, pixels.width);
    ASSERT_EQ(40, pixels.height);
    // The feedback was erased before the grab: every pixel is the window's.
    for (int y = 0; y < pixels.height; ++y)
        for (int x = 0; x < pixels.width; ++x)
            ASSERT_TRUE(ColourNear(kPaint, pixels.At(x, y), 2)) << x << "," << y;
    EXPECT_FALSE(m_manager->IsSelectionActive());

    // Repeat Last Screen Capture asks again.
    m_owner.finishes.clear();
    m_manager->OnRepeatLastCapture();
    EXPECT_EQ(2u, m_dialogs.asked.size());
    EXPECT_EQ(kRepeatDone, m_owner.finishes);
}

TEST_F(ScreenCaptureManagerTest, SelectionWithoutStartRunsTheCurrentRecordsAndAsksOnce)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    // The records changed after the destinations loaded them.
    FileRecord().FPath = m_folder / L"current";
    FileRecord().FName = L"now";
    m_manager->BeginSelection();
    Drag({210, 160}, {260, 200});

    EXPECT_EQ(std::vector<EnumSendParam>{SP_SC_FILE}, m_dialogs.asked);
    const std::vector<Finish> expected = {{DR_DONE, false, true, false, false}, {DR_DONE, false, false, true, true}};
    EXPECT_EQ(expected, m_owner.finishes);
    Pixels pixels = FilePixels(m_folder / L"current\\now.bmp");
    ASSERT_EQ(50, pixels.width);
    EXPECT_TRUE(ColourNear(kPaint, pixels.At(25, 20), 2));

    // A cancelled show-dialog step saves nothing.
    m_owner.finishes.clear();
    m_dialogs.propertiesAnswer = IDCANCEL;
    FileRecord().FName = L"cancelled";
    m_manager->BeginSelection();
    Drag({210, 160}, {260, 200});
    EXPECT_EQ(DR_NOTHING_DONE, m_owner.finishes.back().result);
    EXPECT_FALSE(Exists(m_folder / L"current\\cancelled.bmp"));
}

TEST_F(ScreenCaptureManagerTest, HandSelectionOfATimedManualCaptureIsSaved)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    MakeTimed(30, 5);
    m_dialogs.selectionAnswer = kSelectionManual;
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    ASSERT_TRUE(m_manager->IsCapturing());

    m_manager->BeginSelection();
    Drag({210, 160}, {260, 200});
    const std::vector<Finish> expected = {{DR_DONE, false, true, false, false}, {DR_DONE, false, false, true, true}};
    EXPECT_EQ(expected, m_owner.finishes);
    Pixels pixels = FilePixels(FilePath());
    ASSERT_EQ(50, pixels.width);
    EXPECT_TRUE(ColourNear(kPaint, pixels.At(25, 20), 2));
    m_manager->Stop();
}

TEST_F(ScreenCaptureManagerTest, TimedCapturesWriteNumberedFilesUntilTheStepEnds)
{
    struct Case
    {
        const char* name;
        EnumScreenCaptureType type;
        std::vector<POINT> points;
    };
    const Case cases[] = {
        {"rectangle", SCT_RECTANGLE, {{200, 150}, {240, 180}}},
        {"desktop", SCT_DESKTOP, {}},
    };
    for (const Case& c : cases)
    {
        TestFolder folder;
        FileRecord().FPath = folder.Path();
        MakeTimed(3);
        m_dialogs.selectionType = c.type;
        m_dialogs.selectionPoints = c.points;
        ASSERT_EQ(DR_DONE, m_manager->Start(false)) << c.name;
        TickTimed(2);
        EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsCapturing(); }, kTimedLimitMs)) << c.name;
        EXPECT_LE(2, CountFiles(folder)) << c.name;
        EXPECT_EQ(nullptr, m_manager->GetTimer()) << c.name;
    }
}

// The one timed capture on the real clock.
TEST_F(ScreenCaptureManagerTest, PauseHoldsTheTimedFilesAndResumeGoesOn)
{
    MakeTimed(4);
    m_dialogs.selectionPoints = {{200, 150}, {240, 180}};
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    ASSERT_TRUE(PumpUntil([&] { return CountFiles(m_folder) >= 1; }, kTimedLimitMs));
    ASSERT_TRUE(m_manager->Pause());
    const int paused = CountFiles(m_folder);
    PumpFor(1200); // more than one repeat period
    EXPECT_EQ(paused, CountFiles(m_folder));
    EXPECT_TRUE(m_manager->IsCapturing());

    ASSERT_TRUE(m_manager->Resume());
    EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsCapturing(); }, kTimedLimitMs));
    EXPECT_LT(paused, CountFiles(m_folder));
}

TEST_F(ScreenCaptureManagerTest, SelectionsEndWithTheirArgumentSets)
{
    struct Case
    {
        const char* name;
        int type;
        bool destination;
        std::vector<std::pair<UINT, POINT>> events;
        std::vector<Finish> finishes;
    };
    const Case cases[] = {
        {"empty rectangle",
         SCT_RECTANGLE,
         true,
         {{WM_LBUTTONDOWN, {300, 300}}, {WM_LBUTTONUP, {300, 300}}},
         {{DR_NOTHING_DONE, false, true, true, false}}},
        {"right button",
         SCT_RECTANGLE,
         true,
         {{WM_LBUTTONDOWN, {300, 300}}, {WM_MOUSEMOVE, {320, 330}}, {WM_RBUTTONDOWN, {320, 330}}},
         {{DR_NOTHING_DONE, false, true, true, false}}},
        {"middle button",
         SCT_ELLIPSE,
         true,
         {{WM_MBUTTONDOWN, {320, 330}}},
         {{DR_NOTHING_DONE, false, true, true, false}}},
        {"free hand of two points",
         SCT_FREE_HAND,
         true,
         {{WM_LBUTTONDOWN, {300, 300}}, {WM_LBUTTONUP, {310, 300}}},
         {{DR_NOTHING_DONE, false, true, true, false}}},
        {"ellipse",
         SCT_ELLIPSE,
         true,
         {{WM_LBUTTONDOWN, {300, 300}}, {WM_MOUSEMOVE, {340, 330}}, {WM_LBUTTONUP, {340, 330}}},
         {{DR_DONE, false, true, false, false}, {DR_DONE, false, false, true, true}}},
        {"free hand",
         SCT_FREE_HAND,
         true,
         {{WM_LBUTTONDOWN, {300, 300}},
          {WM_MOUSEMOVE, {340, 300}},
          {WM_MOUSEMOVE, {340, 340}},
          {WM_LBUTTONUP, {340, 340}}},
         {{DR_DONE, false, true, false, false}, {DR_DONE, false, false, true, true}}},
        {"grab refused",
         SCT_RECTANGLE,
         false,
         {{WM_LBUTTONDOWN, {300, 300}}, {WM_MOUSEMOVE, {340, 330}}, {WM_LBUTTONUP, {340, 330}}},
         {{DR_NOTHING_DONE, false, true, true, true}}},
    };
    for (const Case& c : cases)
    {
        m_owner.finishes.clear();
        m_manager->GetSettings()->Type = static_cast<EnumScreenCaptureType>(c.type);
        m_manager->GetSettings()->File = true;
        m_manager->BeginSelection();
        m_manager->GetSettings()->File = c.destination;
        for (const auto& event : c.events)
            Hook(event.first, event.second.x, event.second.y);
        EXPECT_EQ(c.finishes, m_owner.finishes) << c.name;
        EXPECT_FALSE(m_manager->IsSelectionActive()) << c.name;
    }
}

TEST_F(ScreenCaptureManagerTest, SizeLabelFollowsTheSelection)
{
    m_manager->GetSettings()->ShowSize = true;
    m_manager->BeginSelection();
    ASSERT_NE(nullptr, m_manager->GetTitleTip());
    EXPECT_EQ(CString(L"X: 0   Y: 0   Size:  0x0   "), m_manager->GetTitleTip()->GetText());
    Hook(WM_LBUTTONDOWN, 260, 200);
    Hook(WM_MOUSEMOVE, 210, 160);
    EXPECT_EQ(CString(L"X: 210 Y: 160 Size: 50x40"), m_manager->GetTitleTip()->GetText());
    Hook(WM_RBUTTONDOWN, 210, 160);
    EXPECT_EQ(nullptr, m_manager->GetTitleTip());

    // No label for the window types.
    m_manager->GetSettings()->Type = SCT_DESKTOP;
    m_manager->BeginSelection();
    EXPECT_EQ(nullptr, m_manager->GetTitleTip());
    m_manager->EndSelection(false);
}

TEST_F(ScreenCaptureManagerTest, SizeLabelIsGoneBeforeTheGrab)
{
    // The window covers the place of the label.
    const RECT under = {0, 0, 200, 60};
    ColourWindow paint(under, kPaint);
    ASSERT_TRUE(paint.IsShown());
    m_manager->GetSettings()->ShowSize = true;
    FileRecord().ShowDlg = false;
    m_manager->BeginSelection();
    ASSERT_NE(nullptr, m_manager->GetTitleTip());
    RECT label = {};
    GetWindowRect(m_manager->GetTitleTip()->GetSafeHwnd(), &label);
    ASSERT_FALSE(IsRectEmpty(&label));
    Drag({1, 1}, {190, 50});

    Pixels pixels = FilePixels(FilePath());
    ASSERT_EQ(189, pixels.width);
    for (int y = label.top; y < label.bottom && y < 50; ++y)
        for (int x = label.left; x < label.right && x < 190; ++x)
            ASSERT_TRUE(ColourNear(kPaint, pixels.At(x - 1, y - 1), 2)) << x << "," << y;
}

// The clicks are all handled at once: only the times of the input tell a double click.
TEST_F(ScreenCaptureManagerTest, PolygonEndsWithADoubleClickByTheTimesOfTheInput)
{
    const DWORD quick = GetDoubleClickTime();
    const DWORD slow = quick + 1;
    struct Case
    {
        const char* name;
        DWORD start;
        std::vector<DWORD> intervals; // before the second, third... click
        std::vector<Finish> finishes;
        size_t corners; // of the last selection; 0: the selection goes on
    };
    const std::vector<Finish> done = {{DR_DONE, false, true, false, false}, {DR_DONE, false, false, true, true}};
    const Case cases[] = {
        {"double click on the third corner", 1000, {slow, slow, quick}, done, 4},
        {"the tick count wraps between the clicks", 0xFFFFFFFF - slow, {slow, slow, quick}, done, 4},
        {"double click on the first corner", 1000, {quick}, {{DR_NOTHING_DONE, false, true, true, false}}, 2},
        {"slow clicks only", 1000, {slow, slow, slow}, {}, 0},
    };
    const POINT corners[] = {{300, 300}, {360, 300}, {360, 350}, {360, 350}};
    for (const Case& c : cases)
    {
        m_owner.finishes.clear();
        m_manager->GetSettings()->Type = SCT_POLYGON;
        m_manager->BeginSelection();
        DWORD time = c.start;
        Hook(WM_LBUTTONDOWN, corners[0].x, corners[0].y, 0, time);
        for (size_t i = 0; i < c.intervals.size(); ++i)
        {
            time += c.intervals[i];
            Hook(WM_LBUTTONDOWN, corners[i + 1].x, corners[i + 1].y, 0, time);
        }
        EXPECT_EQ(c.finishes, m_owner.finishes) << c.name;
        EXPECT_EQ(c.finishes.empty(), m_manager->IsSelectionActive()) << c.name;
        if (c.corners)
        {
            std::vector<POINT> last;
            m_manager->CopyLastSelection(last);
            EXPECT_EQ(c.corners, last.size()) << c.name;
        }
        m_manager->EndSelection(false);
    }
}

TEST_F(ScreenCaptureManagerTest, EventsOfInjectedInputAreIgnored)
{
    m_manager->BeginSelection();
    Hook(WM_LBUTTONDOWN, 300, 300, 1);
    Hook(WM_RBUTTONDOWN, 300, 300, 1);
    EXPECT_TRUE(m_owner.finishes.empty());
    EXPECT_TRUE(m_manager->IsSelectionActive());
    m_manager->EndSelection(false);
}

TEST_F(ScreenCaptureManagerTest, DirectCapturesWriteTheFile)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    m_dialogs.propertiesAnswer = IDOK;

    m_manager->CaptureDesktopWindow();
    EXPECT_EQ(kRepeatDone, m_owner.finishes);
    Pixels desktop = FilePixels(FilePath());
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), desktop.width);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), desktop.height);
    EXPECT_TRUE(ColourNear(kPaint, desktop.At(240, 180), 2));

    SetForegroundWindow(paint.Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == paint.Handle(); }, kInputLimitMs));
    m_owner.finishes.clear();
    m_manager->CaptureForegroundWindow();
    EXPECT_EQ(kRepeatDone, m_owner.finishes);
    Pixels window = FilePixels(FilePath());
    EXPECT_EQ(kPaintWidth, window.width);
    EXPECT_EQ(kPaintHeight, window.height);
    EXPECT_TRUE(ColourNear(kPaint, window.At(kPaintWidth / 2, kPaintHeight / 2), 2));
}

TEST_F(ScreenCaptureManagerTest, FailedRunIsReportedForTheLog)
{
    // A folder on a drive that does not exist cannot take the file.
    FileRecord().FPath = L"Q:\\nowhere";
    FileRecord().ShowDlg = false;
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    Drag({300, 300}, {340, 330});
    const std::vector<Finish> expected = {{DR_DONE, false, true, false, false}, {DR_FAILED, false, false, true, true}};
    EXPECT_EQ(expected, m_owner.finishes);
    CString text;
    m_manager->GetErrorText(text);
    EXPECT_EQ(0, text.Find(L"File: "));
}

TEST_F(ScreenCaptureManagerTest, CursorsComeBackAfterEveryEnd)
{
    m_manager->BeginSelection();
    for (DWORD id : FakeSystemCursors::kIds)
        ASSERT_TRUE(m_cursors.ShowsSelection(id)) << id;
    Hook(WM_RBUTTONDOWN, 300, 300);
    for (DWORD id : FakeSystemCursors::kIds)
        EXPECT_TRUE(m_cursors.ShowsOriginal(id)) << id;

    // The manager goes while the user selects.
    m_manager->BeginSelection();
    Hook(WM_LBUTTONDOWN, 300, 300);
    m_manager.reset();
    for (DWORD id : FakeSystemCursors::kIds)
        EXPECT_TRUE(m_cursors.ShowsOriginal(id)) << id;
}

TEST_F(ScreenCaptureManagerTest, TimedStartChoosesTheSelectionAndArmsTheTimer)
{
    MakeTimed(30, 5);
    m_dialogs.selectionAnswer = IDCANCEL;
    EXPECT_EQ(DR_NOTHING_DONE, m_manager->Start(false));
    EXPECT_FALSE(m_manager->IsCapturing());

    m_dialogs.selectionAnswer = kSelectionUseSelection;
    m_dialogs.selectionPoints = {{200, 150}, {280, 210}};
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    EXPECT_EQ(2, m_dialogs.selectionAsked);
    EXPECT_EQ(0, m_owner.beginCaptures);
    ASSERT_TRUE(m_manager->IsCapturing());
    ASSERT_NE(nullptr, m_manager->GetTimer());
    EXPECT_EQ(5u, m_manager->GetTimer()->GetFrequency());
    // A repeat while the timer runs does nothing more.
    EXPECT_EQ(DR_DONE, m_manager->RepeatLastCapture());
    EXPECT_EQ(2, m_dialogs.selectionAsked);

    EXPECT_TRUE(m_manager->Pause());
    EXPECT_TRUE(m_manager->IsCapturePaused());
    EXPECT_TRUE(m_manager->Resume());
    EXPECT_FALSE(m_manager->IsCapturePaused());
    EXPECT_TRUE(m_manager->Stop());
    EXPECT_FALSE(m_manager->IsCapturing());
    EXPECT_EQ(nullptr, m_manager->GetTimer());
}

// The whole road with the engine's owner window: real mouse input through the
// watch library selects a rectangle that straddles the corner of a painted window.
class ScreenCaptureOwnerInputTest : public ScreenCaptureManagerTest
{
protected:
    void SetUp() override
    {
        ScreenCaptureManagerTest::SetUp();
        ASSERT_TRUE(m_hooks.Load()) << m_hooks.GetErrorText().ToAnsi(CP_UTF8);
        ASSERT_TRUE(m_window.Create());
        m_window.SetManager(m_manager.get());
        m_manager->SetOwner(&m_window);
        m_hooks.HkVellStartWatch(&m_window);
        m_hooks.HkVellStartNotify(&m_window);
    }
    void TearDown() override
    {
        m_hooks.HkVellStopNotify();
        m_hooks.HkVellStopWatch();
        ScreenCaptureManagerTest::TearDown();
    }

    CHkVellLibrary m_hooks;
    TestCaptureOwner m_window{&m_hooks};
};

// Left clicks at the cursor in one batch of input, each stamped with time: the double
// click is judged by the times of the input alone.
void SendLeftClicks(int count, DWORD time)
{
    std::vector<INPUT> inputs(2 * count);
    for (size_t i = 0; i < inputs.size(); ++i)
    {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
        inputs[i].mi.time = time;
    }
    EXPECT_TRUE(SendInputSettled(inputs.data(), static_cast<UINT>(inputs.size())))
        << "The injected clicks did not pass the hooks.";
}

TEST_F(ScreenCaptureOwnerInputTest, RealDragCapturesTheRectangle)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    FileRecord().ShowDlg = false;
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    ASSERT_TRUE(m_window.IsCaptureRunning());
    ASSERT_TRUE(m_manager->IsSelectionActive());

    // From inside the window's lower right part out past its corner.
    SendMoveTo({250, 190});
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMoveTo({260, 200});
    SendMoveTo({280, 200});
    SendMoveTo({300, 220});
    SendMouse(MOUSEEVENTF_LEFTUP);

    EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsSelectionActive(); }, kInputLimitMs));
    EXPECT_FALSE(m_window.IsCaptureRunning());
    EXPECT_TRUE(m_window.IsRightButtonPollOn());
    EXPECT_EQ(CString(L"The screen capture is done."), m_window.GetOutcomeText());
    Pixels pixels = FilePixels(FilePath());
    ASSERT_EQ(50, pixels.width);
    ASSERT_EQ(30, pixels.height);
    EXPECT_TRUE(ColourNear(kPaint, pixels.At(2, 2), 2));
    EXPECT_TRUE(ColourNear(kPaint, pixels.At(280 - 250 - 2, 210 - 190 - 2), 2));
    EXPECT_FALSE(ColourNear(kPaint, pixels.At(pixels.width - 2, pixels.height - 2), 2));
    for (DWORD id : FakeSystemCursors::kIds)
        EXPECT_TRUE(m_cursors.ShowsOriginal(id)) << id;
}

TEST_F(ScreenCaptureOwnerInputTest, RealShapesCaptureOnlyWhatTheyEnclose)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    FileRecord().ShowDlg = false;
    FileRecord().Overwrite = true;
    struct Case
    {
        const char* name;
        EnumScreenCaptureType type;
        std::vector<POINT> points;
        // Picture points inside and outside the shape.
        POINT inside;
        POINT outside;
    };
    // A triangle, and an ellipse in the rectangle of two corners.
    const std::vector<POINT> triangle = {{210, 160}, {270, 160}, {210, 200}};
    const Case cases[] = {
        {"ellipse", SCT_ELLIPSE, {{210, 160}, {240, 180}, {270, 200}}, {30, 20}, {1, 1}},
        {"free hand", SCT_FREE_HAND, triangle, {10, 10}, {55, 35}},
        {"polygon", SCT_POLYGON, triangle, {10, 10}, {55, 35}},
    };
    for (const Case& c : cases)
    {
        // The window shows again after the last selection's frozen picture went away.
        ASSERT_TRUE(screen_test::WaitForScreenColour({240, 180}, kPaint)) << c.name;
        DeleteFileW(FilePath());
        m_manager->GetSettings()->Type = c.type;
        ASSERT_EQ(DR_DONE, m_manager->Start(false)) << c.name;
        if (c.type == SCT_POLYGON)
        {
            // A slow click at each corner, a double click at the last one; the input
            // carries times already past, one more than a double click's time apart.
            const DWORD slow = GetDoubleClickTime() + 1;
            const DWORD start = GetTickCount() - static_cast<DWORD>(c.points.size()) * slow;
            for (size_t i = 0; i < c.points.size(); ++i)
            {
                SendMoveTo(c.points[i]);
                SendLeftClicks(i + 1 < c.points.size() ? 1 : 2, start + static_cast<DWORD>(i) * slow);
            }
        }
        else
        {
            SendMoveTo(c.points[0]);
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            for (size_t i = 1; i < c.points.size(); ++i)
                SendMoveTo(c.points[i]);
            SendMouse(MOUSEEVENTF_LEFTUP);
        }
        EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsSelectionActive(); }, kInputLimitMs)) << c.name;
        Pixels pixels = FilePixels(FilePath());
        ASSERT_LT(40, pixels.width) << c.name;
        EXPECT_TRUE(ColourNear(kPaint, pixels.At(c.inside.x, c.inside.y), 2)) << c.name;
        EXPECT_TRUE(ColourNear(RGB(255, 255, 255), pixels.At(c.outside.x, c.outside.y), 2)) << c.name;
    }
}

TEST_F(ScreenCaptureOwnerInputTest, RealClickCapturesTheWindowUnderTheCursor)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    FileRecord().ShowDlg = false;
    m_manager->GetSettings()->Type = SCT_WINDOW;
    SendMoveTo({240, 180});
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    // The window is highlighted (and kept from input) before any click.
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(paint.Handle()); }, kInputLimitMs));
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);

    EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsSelectionActive(); }, kInputLimitMs));
    EXPECT_TRUE(IsWindowEnabled(paint.Handle()));
    Pixels pixels = FilePixels(FilePath());
    EXPECT_EQ(kPaintWidth, pixels.width);
    EXPECT_EQ(kPaintHeight, pixels.height);
    EXPECT_TRUE(ColourNear(kPaint, pixels.At(kPaintWidth / 2, kPaintHeight / 2), 2));
    std::vector<POINT> last;
    m_manager->CopyLastSelection(last);
    ASSERT_EQ(2u, last.size());
    EXPECT_EQ(kPaintRect.left, last[0].x);
    EXPECT_EQ(kPaintRect.bottom, last[1].y);
}

TEST_F(ScreenCaptureOwnerInputTest, RealRightClickCancels)
{
    FileRecord().ShowDlg = false;
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    SetCursorPos(300, 300);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouseMove(30, 30);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsSelectionActive(); }, kInputLimitMs));
    EXPECT_EQ(CString(L"The screen capture was cancelled."), m_window.GetOutcomeText());
    EXPECT_FALSE(Exists(FilePath()));
}

TEST_F(ScreenCaptureOwnerInputTest, FailedCaptureIsShownAndLogged)
{
    CEventLog log;
    CStringArray before;
    log.Read(nullptr, TestCaptureOwner::kEventSource, before);
    FileRecord().FPath = L"Q:\\nowhere";
    FileRecord().ShowDlg = false;
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    Drag({300, 300}, {340, 330});

    CString errorText;
    m_manager->GetErrorText(errorText);
    EXPECT_EQ(errorText, m_window.GetOutcomeText());
    CStringArray after;
    ASSERT_TRUE(log.Read(nullptr, TestCaptureOwner::kEventSource, after)) << log.GetErrorText().ToAnsi(CP_UTF8);
    ASSERT_EQ(before.GetSize() + 1, after.GetSize());
    EXPECT_EQ(errorText, after[after.GetSize() - 1]);

    // A cancelled selection is shown but not logged.
    ASSERT_EQ(DR_DONE, m_manager->Start(false));
    Hook(WM_RBUTTONDOWN, 300, 300);
    CStringArray last;
    log.Read(nullptr, TestCaptureOwner::kEventSource, last);
    EXPECT_EQ(after.GetSize(), last.GetSize());
}

TEST_F(ScreenCaptureOwnerInputTest, BeginCaptureWithoutDestinationTellsTheUser)
{
    MessageBoxRecorder boxes(IDOK);
    m_manager->GetSettings()->File = false;
    m_window.BeginCapture();
    EXPECT_FALSE(m_manager->IsSelectionActive());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(L"No selection has been made. Please select a screen capture option and try again."),
              boxes.boxes[0].text);
}
