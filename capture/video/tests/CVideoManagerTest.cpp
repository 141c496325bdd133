// The video manager with a recorder that only records how it was used, and the real
// player on movies of the project's own AVI writer.
#include "capture/video/CVideoManager.h"
#include "capture/video/tests/TestMovie.h"
#include "capture/video/tests/VideoTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

using namespace video_test;

namespace
{
// What the fake recorders were asked, shared by all of one test.
struct RecorderLog
{
    std::vector<InfoVideoRecording> made;
    bool startSucceeds = true;
    CString errorText;
};

class FakeRecorder : public IVideoRecorder
{
public:
    explicit FakeRecorder(RecorderLog& log) : m_log(log) {}
    bool Create() override { return true; }
    bool StartCapture() override { return m_capturing = m_log.startSucceeds; }
    bool StopCapture() override { return !(m_capturing = false); }
    bool PauseCapture() override { return true; }
    bool ResumeCapture() override { return true; }
    bool IsCapturing() const override { return m_capturing; }
    bool IsCapturePaused() const override { return false; }
    CString GetErrorText() const override { return m_log.errorText; }

private:
    RecorderLog& m_log;
    bool m_capturing = false;
};

class FakeDialogs : public ICaptureDialogs
{
public:
    int EditProperties(SendParam&, HWND) override
    {
        ++shown;
        return answer;
    }
    int ChooseSelection(EnumSendParam, EnumScreenCaptureType&, std::vector<POINT>&, CString&, HWND) override
    {
        return IDCANCEL;
    }
    int ChooseFrameRate(bool&, int&, HWND) override
    {
        return IDCANCEL;
    }

    int answer = IDCANCEL;
    int shown = 0;
};

// An owner that closes the manager's player when the player asks, as the main window does.
class ClosingOwner : public NotificationLog
{
public:
    CVideoManager* manager = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PLAYER_CLOSED && manager)
            manager->CloseWindow(false);
        return NotificationLog::WindowProc(message, wParam, lParam);
    }
};
} // namespace

class VideoManagerTest : public ::testing::Test
{
protected:
    VideoManagerTest()
        : m_manager(&m_dialogs, [this](const InfoVideoRecording& recording, HWND) {
              m_recorders.made.push_back(recording);
              return std::make_unique<FakeRecorder>(m_recorders);
          })
    {
        InfoVideoRecording& recording = m_manager.GetRecording();
        recording.RecFName = L"clip";
        recording.RecPath = m_folder.Path();
        recording.RecOverwrite = false;
        recording.RecDuration = 0;
        recording.RecVideoDevice = L"Camera";
        recording.RecAudio = false;
        recording.RecShowDlg = false;
        InfoVideoPlaying& playing = m_manager.GetPlaying();
        playing.PlayFName = m_moviePath;
        playing.PlayDuration = 0;
        playing.PlayRepeat = -1;
        playing.PlayShowDlg = false;
        playing.PlayWndWidth = 0;
        playing.PlayWndHeight = 0;
        m_owner.manager = &m_manager;
    }

    void SetUp() override { ASSERT_TRUE(WriteTestMovie(m_moviePath, 160, 120)); }

    TestFolder m_folder;
    const CString m_moviePath = m_folder / L"movie.avi";
    FakeDialogs m_dialogs;
    RecorderLog m_recorders;
    AnsweredDialogs m_boxes;
    ClosingOwner m_owner;
    CVideoManager m_manager;
};

TEST_F(VideoManagerTest, RecordingChecksFailBeforeAnyRecorderIsMade)
{
    struct Case
    {
        const wchar_t* device;
        bool audio;
        const wchar_t* audioFormat;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"", false, L"", L"Video device name is empty."},
        {L"Camera", true, L"", L"Audio device name and/or input format is empty."},
    };
    for (const Case& c : cases)
    {
        InfoVideoRecording& recording = m_manager.GetRecording();
        recording.RecVideoDevice = c.device;
        recording.RecAudio = c.audio;
        recording.RecAudioInputDevice = L"Microphone";
        recording.RecAudioInputFormat = c.audioFormat;

        EXPECT_EQ(DR_FAILED, m_manager.StartRecording());
        EXPECT_EQ(c.text, m_manager.GetErrorText(true));
        // The check's text is read once.
        EXPECT_EQ(L"Unknown error.", m_manager.GetErrorText(true));
    }
    EXPECT_TRUE(m_recorders.made.empty());
}

TEST_F(VideoManagerTest, RecordingIntoAnExistingFileTakesTheNextNumberedName)
{
    WriteBytes(m_folder / L"clip.avi", "");

    ASSERT_EQ(DR_DONE, m_manager.StartRecording()) << m_manager.GetErrorText(true).GetString();
    ASSERT_EQ(1u, m_recorders.made.size());
    EXPECT_EQ(L"clip1", m_recorders.made[0].RecFName);
    EXPECT_EQ(m_folder.Path(), m_recorders.made[0].RecPath);
    EXPECT_TRUE(m_manager.IsRecording());
    // The live record is not changed by the start.
    EXPECT_EQ(L"clip", m_manager.GetRecording().RecFName);
    EXPECT_TRUE(m_manager.StopRecording());
    EXPECT_FALSE(m_manager.IsRecording());
}

TEST_F(VideoManagerTest, RecordingFailuresGiveTheirReason)
{
    // The recorder's own reason.
    m_recorders.startSucceeds = false;
    m_recorders.errorText = L"The device gives no picture.";
    EXPECT_EQ(DR_FAILED, m_manager.StartRecording());
    EXPECT_EQ(L"The device gives no picture.", m_manager.GetErrorText(true));

    // Without recorders.
    CVideoManager noRecorders(nullptr);
    noRecorders.GetRecording() = m_manager.GetRecording();
    EXPECT_EQ(DR_FAILED, noRecorders.StartRecording());
    EXPECT_EQ(L"Video recording is not available: this version of the program has no video capture engine.",
              noRecorders.GetErrorText(true));
}

TEST_F(VideoManagerTest, ACheckFailingAfterAPlayingGivesTheCheckText)
{
    EXPECT_EQ(L"Unknown error.", m_manager.GetErrorText(false));
    m_manager.SetOwner(m_owner);
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();

    const CString missing = m_folder / L"gone.avi";
    m_manager.GetPlaying().PlayFName = missing;
    EXPECT_EQ(DR_FAILED, m_manager.StartPlaying());
    EXPECT_EQ(L"Video file '" + missing + L"' does not exist.", m_manager.GetErrorText(false));
    // Then the open player's text, which is empty.
    EXPECT_EQ(L"Unknown error.", m_manager.GetErrorText(false));
    EXPECT_TRUE(m_manager.IsPlaying());
}

TEST_F(VideoManagerTest, APlayingThatCannotPlayFailsWithThePlayersText)
{
    const CString notAMovie = m_folder / L"notes.avi";
    WriteBytes(notAMovie, "only words");
    m_manager.GetPlaying().PlayFName = notAMovie;

    EXPECT_EQ(DR_FAILED, m_manager.StartPlaying());
    EXPECT_EQ(0, m_manager.GetErrorText(false).Find(L"Failure creating the video interfaces. Error: "));
    EXPECT_TRUE(m_boxes.boxes.empty());
}

TEST_F(VideoManagerTest, CancelledDialogStartsNothingAndLeavesThePlayerAlone)
{
    m_manager.SetOwner(m_owner);
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();
    ASSERT_TRUE(m_manager.StopPlaying());

    m_manager.GetPlaying().PlayShowDlg = true;
    m_manager.GetRecording().RecShowDlg = true;
    EXPECT_EQ(DR_NOTHING_DONE, m_manager.StartPlaying());
    EXPECT_EQ(DR_NOTHING_DONE, m_manager.StartRecording());
    EXPECT_EQ(2, m_dialogs.shown);
    EXPECT_TRUE(m_recorders.made.empty());
    // The stopped player is still open: it can play again.
    EXPECT_EQ(std::vector<UINT>({WM_PLAYER_STARTED, WM_PLAYER_STOPPED}), m_owner.messages);
    EXPECT_TRUE(m_manager.PausePlaying());

    // Without dialogs (an unattended job) such a start starts nothing either.
    CVideoManager unattended(nullptr);
    unattended.GetPlaying() = m_manager.GetPlaying();
    EXPECT_EQ(DR_NOTHING_DONE, unattended.StartPlaying());
}

TEST_F(VideoManagerTest, ASecondPlayingReplacesTheFirstAndStaysOpen)
{
    m_manager.SetOwner(m_owner);
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();
    PumpFor(300);

    EXPECT_TRUE(m_manager.IsPlaying());
    EXPECT_FALSE(m_owner.Has(WM_PLAYER_CLOSED));
    EXPECT_EQ(std::vector<UINT>({WM_PLAYER_STARTED, WM_PLAYER_STOPPED, WM_PLAYER_STARTED}), m_owner.messages);
}

TEST_F(VideoManagerTest, DurationStopsThePlayingAndEveryStopEndsTheTimer)
{
    // Without an owner the duration's end stops and closes the player.
    m_manager.GetPlaying().PlayDuration = 1;
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();
    EXPECT_TRUE(PumpUntil([&] { return !m_manager.IsPlaying(); }, 5000));
    EXPECT_FALSE(m_manager.StopPlaying()); // nothing left to stop

    // A stopped timed playing leaves no timer to stop the next, untimed one.
    m_manager.SetOwner(m_owner);
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();
    ASSERT_TRUE(m_manager.StopPlaying());
    m_manager.GetPlaying().PlayDuration = 0;
    ASSERT_EQ(DR_DONE, m_manager.StartPlaying()) << m_manager.GetErrorText(false).GetString();
    PumpFor(2500);
    EXPECT_TRUE(m_manager.IsPlaying());
}
