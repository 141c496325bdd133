// The job runner end to end: VellRunJobs.exe started as its own process with a job
// line, its exit code, the files it wrote and the entries it left in the event log;
// and, in this process, the job-mode screen manager and the runner's wait.
#include "Info/InfoScClipboard.h"
#include "Info/InfoScFile.h"
#include "capture/timing/CWndTimer.h"
#include "capture/tests/CaptureTestSupport.h"
#include "capture/tests/MovieReader.h"
#include "capture/audio/tests/AudioTestSupport.h"
#include "standins/audio/TestAudioIds.h"
#include "common/CEventLog.h"
#include "testing/TestFolder.h"
#include "framework/CFtpConnection.h"
#include "framework/CInternetSession.h"
#include "runjobs/CJobRunner.h"
#include "runjobs/tests/JobRunSupport.h"
#include "testing/ClosedPort.h"
#include "testing/TestFiles.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <gtest/gtest.h>
#include <regex>

using namespace capture_test;
using namespace job_test;

namespace
{
// A screen job line: destination, selection, the destination's own flags and the
// timing tail.
CString ScreenJob(int destination, int selection, const CString& size, const CString& flags,
                  const wchar_t* timing = L"-duration 1 -freq 1")
{
    CString line;
    line.Format(L"-type VELLUMOR_SC -esParam %d -escType %d -size \"%s\" %s %s", destination, selection,
                size.GetString(), flags.GetString(), timing);
    return line;
}


CString FileFlags(const TestFolder& folder, const wchar_t* name, EnumFileType type)
{
    CString flags;
    flags.Format(L"-file %s -path \"%s\" -imgType %d -overwrite 1", name, folder.Path().GetString(),
                 static_cast<int>(type));
    return flags;
}
} // namespace

class JobRunnerTest : public ::testing::Test
{
protected:
    TestFolder m_folder;
};

TEST_F(JobRunnerTest, DesktopJobWritesAPngOfTheWholeScreen)
{
    JobRun run = RunJob(ScreenJob(SP_SC_FILE, SCT_DESKTOP, L"", FileFlags(m_folder, L"Desktop", FT_PNG)));

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.entries.empty()) << run.entries.front();
    const CString path = m_folder / L"Desktop.png";
    EXPECT_TRUE(StartsWith(ReadBytes(path), "\x89PNG\r\n\x1a\n"));
    DecodedImage image = Decode(path);
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), image.width);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), image.height);
}

TEST_F(JobRunnerTest, JobWhosePeriodIsZeroOrNotBelowItsDurationCapturesOnce)
{
    // The tasks wizard writes a single capture as a duration of 1 second with any
    // frequency.
    for (const wchar_t* timing : {L"-duration 1 -freq 5", L"-duration 3 -freq 0", L"-duration 2 -freq 2"})
    {
        SCOPED_TRACE(CString(timing).ToAnsi());
        TestFolder folder;
        // Without overwrite every capture takes a new numbered name.
        CString flags;
        flags.Format(L"-file Once -path \"%s\" -imgType 0 -overwrite 0", folder.Path().GetString());
        JobRun run = RunJob(ScreenJob(SP_SC_FILE, SCT_DESKTOP, L"", flags, timing));
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(run.entries.empty()) << run.entries.front();
        EXPECT_EQ(1, CountFiles(folder / L"Once*.bmp"));
    }

    TestFolder folder;
    JobRun run = RunJob(L"-type VELLUMOR_PRESENTATION -presType 1 -file Once -path \"" + folder.Path() +
                        L"\" -fileType 0 -overwrite 1 -duration 2 -freq 0 -framesRate 5 -escType 2"
                        L" -size \"210,160,270,200\""
                        L" -captCursor 0");
    EXPECT_EQ(0u, run.exitCode);
    MovieReader movie(folder / L"Once.avi");
    ASSERT_TRUE(movie.IsOpen());
    EXPECT_EQ(1, movie.FrameCount());
}

TEST_F(JobRunnerTest, WindowJobCapturesTheWindowOfThatTitle)
{
    screen_test::ColourWindow target(kPaintRect, kPaint);
    ASSERT_TRUE(target.IsShown());
    SetWindowTextW(target.Handle(), L"Vellumor job target");

    JobRun run =
        RunJob(ScreenJob(SP_SC_FILE, SCT_WINDOW, L"Vellumor job target", FileFlags(m_folder, L"Window", FT_BMP)));

    EXPECT_EQ(0u, run.exitCode);
    DecodedImage image = Decode(m_folder / L"Window.bmp");
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(kPaintWidth, image.width);
    EXPECT_EQ(kPaintHeight, image.height);
    EXPECT_TRUE(ColourNear(kPaint, image.centre, 0));
}

TEST_F(JobRunnerTest, RectangleJobCapturesThatRectangleWhicheverCornerComesFirst)
{
    screen_test::ColourWindow target(kPaintRect, kPaint);
    ASSERT_TRUE(target.IsShown());

    // The corners given bottom-right first: the rectangle is normalised.
    JobRun run =
        RunJob(ScreenJob(SP_SC_FILE, SCT_RECTANGLE, L"270,200,210,160", FileFlags(m_folder, L"Rectangle", FT_BMP)));

    EXPECT_EQ(0u, run.exitCode);
    DecodedImage image = Decode(m_folder / L"Rectangle.bmp");
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(60, image.width);
    EXPECT_EQ(40, image.height);
    EXPECT_TRUE(ColourNear(kPaint, image.centre, 0));
}

TEST_F(JobRunnerTest, MovieJobRecordsFramesOfTheRectangle)
{
    screen_test::ColourWindow target(kPaintRect, kPaint);
    ASSERT_TRUE(target.IsShown());

    JobRun run = RunJob(L"-type VELLUMOR_PRESENTATION -presType 1 -file Movie -path \"" + m_folder.Path() +
                        L"\" -fileType 0 -overwrite 1 -duration 3 -freq 1 -framesRate 5 -escType 2"
                        L" -size \"210,160,270,200\" -captCursor 0");

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.entries.empty()) << run.entries.front();
    MovieReader movie(m_folder / L"Movie.avi");
    ASSERT_TRUE(movie.IsOpen());
    // A frame every second for three seconds.
    EXPECT_GE(movie.FrameCount(), 2);
    EXPECT_LE(movie.FrameCount(), 4);
    EXPECT_EQ(60, movie.Format().biWidth);
    EXPECT_EQ(40, movie.Format().biHeight);
    EXPECT_TRUE(ColourNear(kPaint, movie.PixelAt(0, 30, 20), 0));
}

TEST_F(JobRunnerTest, FailedJobsExitWithTwoAndLeaveTheirTextInTheEventLog)
{
    struct Case
    {
        CString arguments;
        std::wstring entry;
    };
    const Case cases[] = {
        {L"-type", L"Task  *Unknown*  Command line arguments are missing."},
        {L"-kind VELLUMOR_SC", L"Task  *Unknown*  Capture type flag (-type) is missing."},
        // The graphic editor the job would start is not there.
        {ScreenJob(SP_SC_EDITOR, SCT_DESKTOP, L"", L"-editorPath \"C:\\no such\\editor.exe\" -imgType 0"),
         L"Task  Screen  Editor: Editor file 'C:\\no such\\editor.exe' does not exist."},
        {L"-type VELLUMOR_AUDIO -audioType 1 -file Sound -path \"" + m_folder.Path() +
             L"\" -fileType 0 -overwrite 1 -device Microphone -format 0,1,2 -pinName Line -duration 5",
         L"Audio  Recording: Cannot create the specified audio capture device. Possible cause: the audio capture "
         L"device was not selected yet."},
        {L"-type VELLUMOR_AUDIO -audioType 0 -file \"" + (m_folder / L"gone.wav") + L"\" -repeat 0 -duration 0",
         L"Task  Audio  Playing: Audio file '" + std::wstring((m_folder / L"gone.wav").GetString()) +
             L"' does not exist."},
        {L"-type VELLUMOR_PRESENTATION -presType 0 -file \"" + (m_folder / L"movie.avi") +
             L"\" -repeat 1 -duration 0 -left 0 -top 0 -width 320 -height 240 -audio 0",
         L"Task  Movie  Playing: Movie file '" + std::wstring((m_folder / L"movie.avi").GetString()) +
             L"' does not exist."},
        {L"-type VELLUMOR_VIDEO -videoType 2 -file \"" + (m_folder / L"clip.avi") +
             L"\" -repeat 1 -duration 0 -left 0 -top 0 -width 320 -height 240 -audio 0",
         L"Task  Video  Playing: Video file '" + std::wstring((m_folder / L"clip.avi").GetString()) +
             L"' does not exist."},
    };
    for (const Case& c : cases)
    {
        JobRun run = RunJob(c.arguments);
        EXPECT_EQ(2u, run.exitCode) << c.arguments;
        EXPECT_EQ(0, run.untimedEntries);
        ASSERT_EQ(1u, run.entries.size()) << c.arguments;
        EXPECT_EQ(c.entry, run.entries[0]);
    }
}

namespace
{
// An audio playing job of a tone of seconds with repeats and a duration; the seconds
// the job ran.
double RunAudioPlayingJob(const TestFolder& folder, double seconds, int repeats, int duration, DWORD& exitCode)
{
    const CString tone = folder / L"tone.wav";
    EXPECT_TRUE(WriteToneWave(tone, seconds));
    CString line;
    line.Format(L"-type VELLUMOR_AUDIO -audioType 0 -file \"%s\" -repeat %d -duration %d", tone.GetString(), repeats,
                duration);
    const DWORD start = GetTickCount();
    JobRun run = RunJob(line);
    exitCode = run.exitCode;
    EXPECT_TRUE(run.entries.empty()) << line.ToAnsi(CP_UTF8);
    return (GetTickCount() - start) / 1000.0;
}
} // namespace

TEST_F(JobRunnerTest, AudioPlayingEndsAfterItsRepeatsOrItsDuration)
{
    // What starting and ending the job runner costs on this machine as loaded now: the
    // upper bounds hold for the playing alone.
    const DWORD start = GetTickCount();
    ASSERT_EQ(0u, RunJob(L"-type VELLUMOR_NOTHING").exitCode);
    const double overhead = (GetTickCount() - start) / 1000.0;

    DWORD exitCode = 99;
    // Without a duration the end of the last repeat ends the job: two plays of 1 s.
    const double repeated = RunAudioPlayingJob(m_folder, 1, 1, 0, exitCode);
    EXPECT_EQ(0u, exitCode);
    EXPECT_GE(repeated, 2.0);
    EXPECT_LT(repeated - overhead, 8.0);
    // A duration of 5 s stops a 20-second file.
    const double stopped = RunAudioPlayingJob(m_folder, 20, 0, 5, exitCode);
    EXPECT_EQ(0u, exitCode);
    EXPECT_GE(stopped, 5.0);
    EXPECT_LT(stopped - overhead, 15.0);
}

TEST_F(JobRunnerTest, AudioRecordingOfThreeSecondsWritesAWaveOfThreeSeconds)
{
    JobRun run = RunJob(L"-type VELLUMOR_AUDIO -audioType 1 -file Take -path \"" + m_folder.Path() +
                        L"\" -fileType 0 -overwrite 1 -device \"" + kTestAudioDeviceName +
                        L"\" -format 0,88200,2,1,44100,16,1 -pinName Microphone -duration 3");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.entries.empty()) << (run.entries.empty() ? "" : CString(run.entries[0].c_str()).ToAnsi());
    WaveFile wave;
    ASSERT_TRUE(ReadWaveFile(m_folder / L"Take.wav", wave));
    EXPECT_EQ(44100u, wave.format.nSamplesPerSec);
    EXPECT_NEAR(3.0, wave.Seconds(), 0.25);
}

TEST_F(JobRunnerTest, UnknownTypeWordEndsAtOnceWithNothingReported)
{
    JobRun run = RunJob(L"-type VELLUMOR_NOTHING -esParam 7");

    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.entries.empty());
}

TEST_F(JobRunnerTest, RepeatedJobTakesAsManyCapturesAsItsFrequencyFitsInItsDuration)
{
    // A repeat due at the same moment as the end is taken as well.
    const struct
    {
        const wchar_t* timing;
        int captures;
    } cases[] = {{L"-duration 4 -freq 2", 2}, {L"-duration 5 -freq 2", 2}, {L"-duration 3 -freq 1", 3}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(CString(c.timing).ToAnsi());
        TestFolder folder;
        CString flags;
        flags.Format(L"-file Every -path \"%s\" -imgType 0 -overwrite 0", folder.Path().GetString());
        JobRun run = RunJob(ScreenJob(SP_SC_FILE, SCT_DESKTOP, L"", flags, c.timing));
        EXPECT_EQ(0u, run.exitCode);
        EXPECT_TRUE(run.entries.empty()) << run.entries.front();
        EXPECT_EQ(c.captures, CountFiles(folder / L"Every*.bmp"));
    }
}

TEST_F(JobRunnerTest, FailedCapturesAreReportedAndFailOnlyAJobOfOneCapture)
{
    ClosedPort closed;
    const int port = closed.Port();
    ASSERT_NE(0, port);
    CString flags;
    flags.Format(L"-webSvr 0 -hostAddr 127.0.0.1 -port %d -login user -pwd secret -webPath /images %s", port,
                 FileFlags(m_folder, L"Web", FT_PNG).GetString());
    // What the system says of a connection to a server that is down.
    CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    ASSERT_EQ(nullptr, session.GetFtpConnection(L"127.0.0.1", L"user", L"secret", static_cast<INTERNET_PORT>(port),
                                                false));
    const CString reason = session.GetErrorText();
    ASSERT_FALSE(reason.IsEmpty());

    const std::wstring entry = (L"Task  Screen  Web: " + reason).GetString();

    // The one capture of the job failed: so has the job, with the capture's reason.
    JobRun once = RunJob(ScreenJob(SP_SC_WEB, SCT_DESKTOP, L"", flags));
    EXPECT_EQ(2u, once.exitCode);
    ASSERT_EQ(1u, once.entries.size());
    EXPECT_EQ(entry, once.entries[0]);

    // A repeated capture that fails does not end the job; each failure is in the event log.
    JobRun repeated = RunJob(ScreenJob(SP_SC_WEB, SCT_DESKTOP, L"", flags, L"-duration 4 -freq 2"));
    EXPECT_EQ(0u, repeated.exitCode);
    ASSERT_EQ(2u, repeated.entries.size());
    for (const std::wstring& text : repeated.entries)
        EXPECT_EQ(entry, text);
}

// The screen manager of a job, in this process.
class JobScreenManagerTest : public ::testing::Test
{
protected:
    static InfoScSettings Only(bool InfoScSettings::*flag)
    {
        InfoScSettings settings;
        settings.Clear();
        settings.*flag = true;
        return settings;
    }

    CJobScreenCaptureManager m_manager;
};

TEST_F(JobScreenManagerTest, RunsForTheLongestDurationAndCapturesAtTheShortestFrequency)
{
    m_manager.SetRecord(InfoScFile(L"a", L"C:\\unused", FT_BMP, true, false, 10, 5));
    m_manager.SetRecord(InfoScClipboard(FT_BMP, false, 30, 15));
    InfoScSettings settings = Only(&InfoScSettings::File);
    settings.Clipboard = true;
    m_manager.SetSettings(settings);
    CArray<POINT> none;
    m_manager.SetSelection(none, SCT_DESKTOP, L"");

    ASSERT_EQ(DR_DONE, m_manager.Start());

    EXPECT_TRUE(m_manager.IsCaptureInProgress());
    ASSERT_NE(nullptr, m_manager.GetTimer());
    EXPECT_EQ(30000u, m_manager.GetTimer()->GetRemaining());
    EXPECT_EQ(5u, m_manager.GetTimer()->GetFrequency());
    EXPECT_TRUE(m_manager.Stop());
    EXPECT_FALSE(m_manager.IsCaptureInProgress());
    EXPECT_EQ(nullptr, m_manager.GetTimer());
}

TEST_F(JobScreenManagerTest, PointSelectionWithoutPointsArmsOnlyTheStop)
{
    m_manager.SetRecord(InfoScClipboard(FT_BMP, false, 10, 2));
    m_manager.SetSettings(Only(&InfoScSettings::Clipboard));
    CArray<POINT> none;
    m_manager.SetSelection(none, SCT_RECTANGLE, L"");

    ASSERT_EQ(DR_DONE, m_manager.Start());

    ASSERT_NE(nullptr, m_manager.GetTimer());
    EXPECT_EQ(0u, m_manager.GetTimer()->GetFrequency());
}

TEST_F(JobScreenManagerTest, StartRefusesADialogAndAnEmptySelection)
{
    m_manager.SetRecord(InfoScClipboard(FT_BMP, true, 10, 2));
    m_manager.SetSettings(Only(&InfoScSettings::Clipboard));
    EXPECT_EQ(DR_FAILED, m_manager.Start());
    EXPECT_FALSE(m_manager.IsCaptureInProgress());
    EXPECT_EQ(nullptr, m_manager.GetTimer());
    EXPECT_EQ(CString(L"The destination's settings ask for a dialog, which an unattended job cannot show."),
              m_manager.GetErrorText());

    InfoScSettings none;
    none.Clear();
    m_manager.SetSettings(none);
    EXPECT_EQ(DR_FAILED, m_manager.Start());
    EXPECT_EQ(CString(L"There is no screen capture selection done."), m_manager.GetErrorText());
    // The pending text is read once.
    EXPECT_EQ(CString(L"Unknown error."), m_manager.GetErrorText());
}

namespace
{
bool g_ticked = false;

void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_ticked = true;
}

void CALLBACK Quit(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    PostQuitMessage(0);
}
} // namespace

TEST(JobRunnerWaitTest, FiniteWaitHandlesMessagesAndEndsEarlyOnQuit)
{
    g_ticked = false;
    SetTimer(nullptr, 0, 50, &Tick);
    EXPECT_FALSE(CJobRunner::Wait(500));
    EXPECT_TRUE(g_ticked);

    // Long enough that only the quit message can end it within the test's time.
    SetTimer(nullptr, 0, 50, &Quit);
    EXPECT_TRUE(CJobRunner::Wait(600000));
}

TEST(JobRunnerWaitTest, UntimedWaitEndsWhenTheLoopIsToldToQuit)
{
    SetTimer(nullptr, 0, 50, &Quit);
    EXPECT_TRUE(CJobRunner::Wait(CJobRunner::kInfinite));
}
