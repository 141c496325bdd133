// Video and movie jobs of the job runner: a playing runs the real player without an
// owner and ends the job when its repeats have played or its duration has passed.
#include "capture/video/tests/AviReadBack.h"
#include "capture/video/tests/TestMovie.h"
#include "runjobs/tests/JobRunSupport.h"
#include "standins/camera/CTestCameraDevices.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"

#include <gtest/gtest.h>

using namespace job_test;

namespace
{
// A movie of one second.
const int kMovieFrames = 25;
const unsigned kMovieRate = 25;

// The kinds of job that play: the start of their job line and of their failures.
struct PlayingKind
{
    const wchar_t* line;
    const wchar_t* failure;
};
const PlayingKind kPlayingKinds[] = {{L"-type VELLUMOR_VIDEO -videoType 0", L"Video  Playing: "},
                                     {L"-type VELLUMOR_PRESENTATION -presType 0", L"Movie  Playing: "}};

// A recording of seconds from the test camera into folder\take.avi, hidden (no preview)
// and without sound.
CString RecordingJob(const CString& folder, int seconds)
{
    CString line;
    line.Format(L"-type VELLUMOR_VIDEO -videoType 1 -file take -path \"%s\" -fileType 0 -overwrite 1 -duration %d "
                L"-videoDevice \"Test Camera\" -framesRate 25 -preview 0 -left 0 -top 0 -width 320 -height 240 "
                L"-audio 0 -audioDevice \"Test Audio Device\" -audioFormat 0,88200,2,1,44100,16,1 -audioPinName Microphone",
                folder.GetString(), seconds);
    return line;
}

CString PlayingJob(const PlayingKind& kind, const CString& file, int repeat, int duration)
{
    CString line;
    line.Format(L"%s -file \"%s\" -repeat %d -duration %d -left 0 -top 0 -width 0 -height 0 -audio 1", kind.line,
                file.GetString(), repeat, duration);
    return line;
}
} // namespace

class VideoJobTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(video_test::WriteTestMovie(m_movie, 160, 120, kMovieFrames, kMovieRate)); }

    // Runs the job; the milliseconds from the player's first playing to the job's end.
    JobRun RunTimed(const CString& arguments, ULONGLONG& playedMs)
    {
        ULONGLONG started = 0;
        JobRun run = RunJob(arguments, [&] {
            if (!started && FindWindowW(nullptr, L"Vellumor Video Player - clip.avi (Rate: 1.00)"))
                started = GetTickCount64();
        });
        playedMs = started ? GetTickCount64() - started : 0;
        return run;
    }

    TestFolder m_folder;
    const CString m_movie = m_folder / L"clip.avi";
};

TEST_F(VideoJobTest, PlayingEndsAfterItsRepeatsOrItsDuration)
{
    struct Case
    {
        int repeat;
        int duration;
        // The milliseconds from the first playing to the job's end.
        ULONGLONG atLeast;
        ULONGLONG below;
    };
    const Case cases[] = {
        // Two plays of one second each; one play would end after about one.
        {1, 0, 1800, 15000},
        // Stopped after two seconds; ten plays would take ten.
        {9, 2, 1500, 9500},
    };
    for (const PlayingKind& kind : kPlayingKinds)
        for (const Case& c : cases)
        {
            ULONGLONG playedMs = 0;
            JobRun run = RunTimed(PlayingJob(kind, m_movie, c.repeat, c.duration), playedMs);

            EXPECT_EQ(0u, run.exitCode) << kind.line << " " << c.repeat;
            EXPECT_TRUE(run.entries.empty()) << run.entries.front();
            EXPECT_GE(playedMs, c.atLeast) << kind.line << " " << c.repeat;
            EXPECT_LT(playedMs, c.below) << kind.line << " " << c.repeat;
        }
}

TEST_F(VideoJobTest, FailingVideoJobsExitWithTwoAndTheirReasonWithoutABox)
{
    const CString notAMovie = m_folder / L"notes.avi";
    WriteBytes(notAMovie, "words, no frames");
    const std::wstring kNoMovie = L"Failure creating the video interfaces. Error: ";
    struct Case
    {
        CString arguments;
        std::wstring entryStart;
    };
    const Case cases[] = {
        // A box nobody answers would hold the job until the test gives up on it.
        {PlayingJob(kPlayingKinds[0], notAMovie, 1, 0), kPlayingKinds[0].failure + kNoMovie},
        {PlayingJob(kPlayingKinds[1], notAMovie, 1, 0), kPlayingKinds[1].failure + kNoMovie},
    };
    for (const Case& c : cases)
    {
        JobRun run = RunJob(c.arguments);
        EXPECT_EQ(2u, run.exitCode) << c.arguments;
        ASSERT_EQ(1u, run.entries.size()) << c.arguments;
        EXPECT_EQ(0u, run.entries[0].find(c.entryStart)) << run.entries[0];
    }
}

TEST_F(VideoJobTest, RecordingJobRecordsTheCameraUnseen)
{
    bool windowSeen = false;
    JobRun run = RunJob(RecordingJob(m_folder.Path(), 3), [&] {
        HWND recorder = FindWindowW(nullptr, L"Vellumor Video Recorder - take.avi");
        windowSeen = windowSeen || (recorder && IsWindowVisible(recorder));
    });
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.entries.empty()) << run.entries.front();
    EXPECT_FALSE(windowSeen);
    const AviReadBack back = ReadAviBack(m_folder / L"take.avi");
    // Three seconds at 25 frames a second, from the start to the stop of the job's timer.
    ASSERT_GE(back.frameNumbers.size(), 60u);
    EXPECT_LE(back.frameNumbers.size(), 85u);
    EXPECT_NEAR(25.0, back.framesPerSecond, 0.01);
    for (size_t i = 1; i < back.frameNumbers.size(); ++i)
        ASSERT_GT(back.frameNumbers[i], back.frameNumbers[i - 1]) << i;
}

TEST_F(VideoJobTest, RecordingJobWithoutACameraFailsWithoutABox)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        CTestCameraDevices devices;
        ASSERT_HRESULT_SUCCEEDED(devices.ListCameras({}));
        JobRun run = RunJob(RecordingJob(m_folder.Path(), 3));
        EXPECT_EQ(2u, run.exitCode);
        ASSERT_EQ(1u, run.entries.size());
        EXPECT_EQ(0u, run.entries[0].find(L"Video  Recording: Cannot create the video capture filter. Error: "))
            << run.entries[0];
    }
    CoUninitialize();
}
