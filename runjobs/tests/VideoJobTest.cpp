// Video and movie jobs of the job runner: a playing runs the real player without an
// owner and ends the job when its repeats have played or its duration has passed.
#include "capture/video/tests/TestMovie.h"
#include "runjobs/tests/JobRunSupport.h"
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
        {L"-type VELLUMOR_VIDEO -videoType 1 -file clip -path \"" + m_folder.Path() +
             L"\" -fileType 0 -overwrite 0 -duration 7 -videoDevice Cam -framesRate 25 -preview 1 -left 1 -top 2 "
             L"-width 320 -height 240 -audio 0 -audioDevice Mic -audioFormat PCM -audioPinName Capture",
         L"Video  Recording: Video recording is not available: this version of the program has no video capture "
         L"engine."},
    };
    for (const Case& c : cases)
    {
        JobRun run = RunJob(c.arguments);
        EXPECT_EQ(2u, run.exitCode) << c.arguments;
        ASSERT_EQ(1u, run.entries.size()) << c.arguments;
        EXPECT_EQ(0u, run.entries[0].find(c.entryStart)) << run.entries[0];
    }
}
