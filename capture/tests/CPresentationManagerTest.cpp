#include "capture/movie/CPresentationManager.h"

#include "capture/selection/CHkVellLibrary.h"
#include "capture/tests/TestCaptureOwner.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/FakeSystemCursors.h"
#include "capture/tests/HkVellTestSupport.h"
#include "capture/tests/MovieReader.h"
#include "common/PathHelpers.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace capture_test;
using screen_test::ColourWindow;

namespace
{
// The dialogs, answered by the test.
class AnsweringDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam& record, HWND) override
    {
        ++propertiesAsked;
        if (propertiesAnswer == IDOK)
            static_cast<InfoPresentationRecording&>(record).RecFName = L"edited";
        return propertiesAnswer;
    }
    int ChooseSelection(EnumSendParam recordType, EnumScreenCaptureType& type, std::vector<POINT>& points, CString&,
                        HWND) override
    {
        askedFor.push_back(recordType);
        if (selectionAnswer == kSelectionUseSelection)
        {
            type = SCT_RECTANGLE;
            points = selectionPoints;
        }
        return selectionAnswer;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }

    int propertiesAnswer = IDOK;
    int propertiesAsked = 0;
    int selectionAnswer = kSelectionUseSelection;
    std::vector<POINT> selectionPoints = {{210, 160}, {270, 200}};
    std::vector<EnumSendParam> askedFor;
};

const COLORREF kColours[] = {kPaint, RGB(255, 102, 0), RGB(51, 204, 51)};
const DWORD kLimitMs = 10000;

// The recording record of the registry writes "movie.avi" into the test's folder, frames
// on demand; the user's record comes back afterwards. The manager's owner is the
// engine's owner window, which the watch library tells of real mouse input.
class PresentationManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved.LoadFromRegistry();
        InfoPresentationRecording(L"movie", m_folder.Path(), PFT_AVI, true, 0, 0, 5, false).SaveToRegistry(0);
        m_manager.reset(new CPresentationManager(&m_dialogs));
        m_manager->SetSystemCursors(m_cursors);
        m_manager->SetSelectionType(SCT_RECTANGLE);
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
        m_manager.reset();
        m_saved.SaveToRegistry(0);
    }

    CString MoviePath(const wchar_t* name = L"movie") const { return m_folder / name + CString(L".avi"); }
    InfoPresentationRecording& Record() { return m_manager->GetRecordingRecord(); }

    // A real drag across the painted window, from inside it out past its corner.
    void DragOverThePaint()
    {
        m_window.BeginCapture();
        ASSERT_TRUE(m_manager->IsSelectionActive());
        SendMoveTo({210, 160});
        SendMouse(MOUSEEVENTF_LEFTDOWN);
        SendMoveTo({240, 180});
        SendMoveTo({270, 200});
        SendMouse(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(PumpUntil([&] { return !m_manager->IsSelectionActive(); }, kLimitMs));
    }

    TestFolder m_folder;
    InfoPresentationRecording m_saved;
    FakeSystemCursors m_cursors;
    AnsweringDialogs m_dialogs;
    CHkVellLibrary m_hooks;
    TestCaptureOwner m_window{&m_hooks};
    std::unique_ptr<CPresentationManager> m_manager;
};
} // namespace

TEST_F(PresentationManagerTest, FirstSelectionStartsTheRecordingAndEverySelectionIsAFrame)
{
    for (COLORREF colour : kColours)
    {
        ColourWindow paint(kPaintRect, colour);
        ASSERT_TRUE(paint.IsShown());
        DragOverThePaint();
        EXPECT_EQ(CString(L"The screen capture is done."), m_window.GetOutcomeText());
        EXPECT_TRUE(m_manager->IsRecording());
        EXPECT_EQ(nullptr, m_manager->GetTimer());
    }
    // The recording's picture stays the last image after its end.
    EXPECT_NE(nullptr, m_manager->GetLastImage());
    ASSERT_TRUE(m_manager->StopRecording());
    EXPECT_FALSE(m_manager->IsRecording());

    MovieReader movie(MoviePath());
    ASSERT_TRUE(movie.IsOpen());
    ASSERT_EQ(3, movie.FrameCount());
    EXPECT_EQ(60, movie.Format().biWidth);
    EXPECT_EQ(40, movie.Format().biHeight);
    for (LONG frame = 0; frame < 3; ++frame)
    {
        ASSERT_TRUE(movie.ReadFrame(frame)) << frame;
        EXPECT_TRUE(ColourNear(kColours[frame], movie.PixelAt(2, 2), 2)) << frame;
        EXPECT_TRUE(ColourNear(kColours[frame], movie.PixelAt(57, 37), 2)) << frame;
    }
}

TEST_F(PresentationManagerTest, TimedRecordingTakesAFrameEverySecondUntilTheStepEnds)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    Record().RecDuration = 3;
    Record().RecFreq = 1;

    ASSERT_EQ(DR_DONE, m_manager->StartRecording(false));
    EXPECT_EQ(std::vector<EnumSendParam>{SP_MOVIE_CAPTURE}, m_dialogs.askedFor);
    ASSERT_TRUE(m_manager->IsRecording());
    ASSERT_NE(nullptr, m_manager->GetTimer());
    EXPECT_EQ(1u, m_manager->GetTimer()->GetFrequency());
    EXPECT_TRUE(PumpUntil([&] { return !m_manager->IsRecording(); }, kLimitMs));
    EXPECT_EQ(nullptr, m_manager->GetTimer());

    MovieReader movie(MoviePath());
    ASSERT_TRUE(movie.IsOpen());
    EXPECT_LE(2, movie.FrameCount());
    EXPECT_GE(4, movie.FrameCount());
    EXPECT_TRUE(ColourNear(kPaint, movie.PixelAt(0, 30, 20), 2));
}

TEST_F(PresentationManagerTest, PauseHoldsTheFramesAndStopCompletesThePausedFile)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    Record().RecDuration = 30;
    Record().RecFreq = 1;
    ASSERT_EQ(DR_DONE, m_manager->StartRecording(false));
    ASSERT_TRUE(m_manager->PauseRecording());
    EXPECT_TRUE(m_manager->IsRecordingPaused());
    PumpFor(1500);
    ASSERT_TRUE(m_manager->ResumeRecording());
    EXPECT_FALSE(m_manager->IsRecordingPaused());
    ASSERT_TRUE(PumpUntil([&] { return Exists(MoviePath()); }, kLimitMs));
    ASSERT_TRUE(m_manager->PauseRecording());
    ASSERT_TRUE(m_manager->StopRecording());
    EXPECT_FALSE(m_manager->IsRecordingPaused());

    MovieReader movie(MoviePath());
    ASSERT_TRUE(movie.IsOpen());
    EXPECT_LE(1, movie.FrameCount());
}

TEST_F(PresentationManagerTest, StartsThatDoNotHappenSayWhy)
{
    struct Case
    {
        const char* name;
        bool showDialog;
        int propertiesAnswer;
        int selectionAnswer;
        const wchar_t* folder; // null: the test's folder
        DestinationResult expected;
    };
    const Case cases[] = {
        {"properties cancelled", true, IDCANCEL, kSelectionUseSelection, nullptr, DR_NOTHING_DONE},
        {"timed selection cancelled", false, IDOK, IDCANCEL, nullptr, DR_NOTHING_DONE},
        {"folder on a missing drive", false, IDOK, kSelectionUseSelection, L"Q:\\nowhere", DR_FAILED},
    };
    for (const Case& c : cases)
    {
        Record().RecShowDlg = c.showDialog;
        Record().RecDuration = 30;
        Record().RecFreq = 5;
        Record().RecPath = c.folder ? CString(c.folder) : m_folder.Path();
        m_dialogs.propertiesAnswer = c.propertiesAnswer;
        m_dialogs.selectionAnswer = c.selectionAnswer;
        EXPECT_EQ(c.expected, m_manager->StartRecording(false)) << c.name;
        EXPECT_FALSE(m_manager->IsRecording()) << c.name;
        EXPECT_EQ(nullptr, m_manager->GetTimer()) << c.name;
    }
    // The pending text wins once; then the destination's own.
    const CString text = m_manager->GetErrorText(true);
    EXPECT_NE(-1, text.Find(L"Q:")) << text.ToAnsi();
    EXPECT_EQ(CString(L"Cannot process the image and the operation is aborted. Unknown error message."),
              m_manager->GetErrorText(true));
    EXPECT_EQ(CString(L"Unknown error."), m_manager->GetErrorText(false));
    EXPECT_FALSE(Exists(MoviePath()));
}

TEST_F(PresentationManagerTest, DialogEditsAndANumberedNameAreThisRecordingsOnly)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    WriteBytes(MoviePath(L"edited"), "older movie");
    Record().RecShowDlg = true;
    Record().RecOverwrite = false;
    ASSERT_EQ(DR_DONE, m_manager->StartRecording(false));
    EXPECT_EQ(1, m_dialogs.propertiesAsked);
    EXPECT_EQ(MoviePath(L"edited1"), m_manager->GetOutputPath());
    EXPECT_EQ(CString(L"movie"), Record().RecFName);
    // A selection while the recording runs is its next frame.
    ASSERT_EQ(DR_DONE, m_manager->CaptureByRectangle(210, 160, 270, 200));
    EXPECT_EQ(DR_DONE, m_manager->RepeatLastCapture());
    EXPECT_EQ(1, m_dialogs.propertiesAsked);
    m_manager->StopRecording();
    EXPECT_EQ("older movie", ReadBytes(MoviePath(L"edited")));
    EXPECT_EQ(1, MovieReader(MoviePath(L"edited1")).FrameCount());
}

TEST_F(PresentationManagerTest, PlayingWhileRecordingCompletesTheRecordingFirst)
{
    ColourWindow paint(kPaintRect, kPaint);
    ASSERT_TRUE(paint.IsShown());
    ASSERT_EQ(DR_DONE, m_manager->StartRecording(false));
    for (int frame = 0; frame < 2; ++frame)
    {
        ASSERT_EQ(DR_DONE, m_manager->CaptureByRectangle(210, 160, 270, 200));
        ASSERT_EQ(DR_DONE, m_manager->RepeatLastCapture());
    }
    InfoPresentationPlaying& playing = m_manager->GetPlayingRecord();
    playing = InfoPresentationPlaying(MoviePath(), 0, 0, false, false, 300, 300, 160, 120);

    ASSERT_EQ(DR_DONE, m_manager->StartPlaying());
    EXPECT_FALSE(m_manager->IsRecording());
    EXPECT_TRUE(m_manager->IsPlaying());
    EXPECT_EQ(2, MovieReader(MoviePath()).FrameCount());
    // With an owner the stopped player stays for its user.
    EXPECT_TRUE(m_manager->StopPlaying());
    EXPECT_FALSE(m_manager->IsPlaying());
    EXPECT_TRUE(m_manager->CloseWindow(false));

    playing.PlayFName = MoviePath(L"missing");
    EXPECT_EQ(DR_FAILED, m_manager->StartPlaying());
    EXPECT_EQ(L"Movie file '" + MoviePath(L"missing") + L"' does not exist.", m_manager->GetErrorText(false));
    EXPECT_EQ(CString(L"Unknown error."), m_manager->GetErrorText(false));
}
