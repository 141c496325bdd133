// The job line a task carries, end to end: settings records → the written line →
// saved in and read back from the system's Task Scheduler → split as the job runner's
// process splits it → parsed by the runner's own reader → the same records. Values
// hold what broke lines before: a drive-root folder, quotes, a flag's text inside a
// value, long fields, non-ASCII text. Last, a task's line runs in the real job runner.
#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoScClipboard.h"
#include "Info/InfoScDatabase.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"
#include "Info/InfoVideoRecording.h"
#include "VellWizSchTask/JobLineBuilder.h"
#include "VellWizSchTask/JobLineText.h"
#include "VellWizSchTask/tests/TaskStoreSupport.h"
#include "capture/tests/CaptureTestSupport.h"
#include "common/tests/ScreenTestWindow.h"
#include "runjobs/CCmdLine.h"
#include "runjobs/tests/JobRunSupport.h"
#include "testing/TestFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace task_test;

namespace
{
struct Row
{
    const char* label;
    std::shared_ptr<SendParam> record;
    JobSelection selection;
    std::function<bool(const SendParam&)> equals;
};

template <class Record> Row MakeRow(const char* label, const Record& record, JobSelection selection = {})
{
    auto copy = std::make_shared<Record>(record);
    return {label, copy, selection, [copy](const SendParam& got) {
                return got.GetType() == copy->GetType() && static_cast<const Record&>(got) == *copy;
            }};
}

// A screen row: the selection's timing is the destination record's.
template <class Record> Row ScreenRow(const char* label, const Record& record, int type, const CString& size)
{
    JobSelection selection;
    selection.selectionType = type;
    selection.sizeText = size;
    selection.captureCursor = true;
    selection.duration = record.Duration;
    selection.frequence = record.Frequence;
    return MakeRow(label, record, selection);
}

CString Repeat(const wchar_t* text, int length)
{
    CString out;
    while (out.GetLength() < length)
        out += text;
    return out.Left(length);
}

const CString kQuoteTitle = L"He said \"cheese\" \\";
const CString kNonAscii = L"\x00c9t\x00e9 \x6771\x4eac \x0416";

std::vector<Row> Rows()
{
    const CString longText = Repeat(L"0123456789 ", 500);
    return {
        ScreenRow("file into a drive root", InfoScFile(L"a-path", L"C:\\", FT_PNG, true, false, 5, 1), SCT_WINDOW,
                  kQuoteTitle),
        ScreenRow("editor", InfoScEditor(L"C:\\Program Files\\paint\\", FT_BMP, false, 1, 1), SCT_RECTANGLE,
                  L"0,0,200,100"),
        ScreenRow("email", InfoScEmail(L"smtp.example.com", L"\"Me\" <me@example.com>", longText, longText,
                                       L"\"quoted subject\"", L"Body with \"quotes\" -to and\\\" a trap " + kNonAscii,
                                       true, FT_JPG, false, 2, 1),
                  SCT_DESKTOP, L""),
        ScreenRow("icq", InfoScIcq(L"", L"", 123456, 0, FT_GIF, false, 1, 1), SCT_ACTIVE_WINDOW, L""),
        ScreenRow("printer", InfoScPrinter(L"PDF", L"winspool", L"CUPS:PDF", false, PO_LANDSCAPE, 2, 1, 1),
                  SCT_ELLIPSE, L"10,10,90,60"),
        ScreenRow("fax",
                  InfoScFax(L"(local)", L"+1 555 0100", L"Ann \"Fax\" Lee", L"Co -recipName", L"Dept\\",
                            L"Note " + kNonAscii, L"-subject", L"C:\\cover pages\\a.cov", true, false, 1, 1),
                  SCT_POLYGON, L"1,1,50,1,25,40"),
        ScreenRow("database",
                  InfoScDatabase(L"Driver={SQLite3 ODBC Driver};Database=/tmp/a b.db;", L"Shots", L"Img",
                                 L"\"Taken\",\"Who\"", false, 3, 1),
                  SCT_FREE_HAND, L"1,1,5,9,9,1"),
        ScreenRow("clipboard", InfoScClipboard(FT_DIB, false, 1, 1), SCT_DESKTOP, L""),
        ScreenRow("screen saver", InfoScScreenSaver(L"Saver \"one\"", true, false, false, 1, 1), SCT_DESKTOP, L""),
        ScreenRow("wallpaper", InfoScWallpaper(L"Paper", false, InfoScWallpaper::EnumDisplayType(2), false, 1, 1),
                  SCT_DESKTOP, L""),
        ScreenRow("web", InfoScWeb(WS_REMOTE_FTP, L"ftp.example.com", 21, L"user", L"p\"w -d\\", L"/img/", L"shot",
                                   L"C:\\", FT_PNG, true, false, 1, 1),
                  SCT_DESKTOP, L""),
        MakeRow("training recording", InfoCBTRecording(L"Take", L"C:\\", true, true, L"Mic \"USB\"",
                                                       L"0,88200,2,1,44100,16,1", L"Capture", true, false, 10, false)),
        MakeRow("training playing", InfoCBTPlaying(L"C:\\t\\Take.vtf", true, 2, false, true, 30, false,
                                                   L"C:\\Program Files\\app.exe",
                                                   L"\"C:\\My Docs\\a b.txt\" -x \"y\" \\", 500, 1, 2, 300, 200)),
        MakeRow("audio recording", InfoAudioRecording(L"Voice " + kNonAscii, L"C:\\", AFT_WAV, true, L"Line In",
                                                      L"0,88200,2,1,44100,16,1", L"Microphone", 5, false, false)),
        MakeRow("audio playing", InfoAudioPlaying(L"C:\\s\\a-path.wav", 0, 3, false)),
        MakeRow("video recording",
                InfoVideoRecording(L"Clip", L"D:\\", VFT_AVI, false, 8, L"Cam \"1\"", 15, true, 1, 2, 320, 240, true,
                                   L"Mic", L"0,1,2", L"Pin", false)),
        MakeRow("video playing", InfoVideoPlaying(L"C:\\v\\\"odd\".avi", 0, 1, false, true, 0, 0, 0, 0)),
        MakeRow("movie recording",
                InfoPresentationRecording(L"Movie", L"C:\\", PFT_AVI, true, 10, 1, 5, false),
                JobSelection{SCT_RECTANGLE, L"0,0,64,48", true, 0, 0}),
        MakeRow("movie playing", InfoPresentationPlaying(L"C:\\m\\movie.avi", 4, 0, false, false, 5, 6, 7, 8)),
    };
}

// The process's argument vector, as CCmdLine takes it.
std::vector<const wchar_t*> Pointers(const CStringArray& argv)
{
    std::vector<const wchar_t*> pointers;
    for (int i = 0; i < argv.GetSize(); ++i)
        pointers.push_back(argv[i].GetString());
    return pointers;
}

bool HasSelection(const SendParam& record)
{
    const EnumSendParam type = record.GetType();
    return (type >= SP_SC_FILE && type <= SP_SC_WEB) || type == SP_PRESENTATION_RECORDING;
}
} // namespace

TEST(JobLineRoundTripTest, EveryDestinationAndKindComesBackThroughTheSchedulerAndTheRunnersReader)
{
    TaskCleanup cleanup;
    for (const Row& row : Rows())
    {
        SCOPED_TRACE(row.label);
        const CString line = BuildJobLine(*row.record, row.selection);
        ASSERT_FALSE(line.IsEmpty());
        const CString name = cleanup.Add(UniqueTaskName(L"Round trip"));
        CString msg;
        ASSERT_TRUE(CTaskScheduler().Create(OwnTask(name, line), msg)) << msg.ToAnsi(CP_UTF8);
        CTaskRecord read;
        ASSERT_TRUE(CTaskScheduler().Read(name, read, msg)) << msg.ToAnsi(CP_UTF8);
        ASSERT_EQ(line, read.parameters);

        CStringArray argv;
        SplitCommandLine(read.parameters, argv);
        const std::vector<const wchar_t*> pointers = Pointers(argv);
        try
        {
            const CCmdLine parsed(static_cast<int>(pointers.size()), pointers.data(), false);
            ASSERT_NE(nullptr, parsed.GetRecord());
            EXPECT_TRUE(row.equals(*parsed.GetRecord())) << read.parameters.ToAnsi(CP_UTF8);
            if (HasSelection(*row.record))
            {
                EXPECT_EQ(row.selection.selectionType, parsed.m_selectionType);
                EXPECT_EQ(row.selection.sizeText, parsed.m_sizeText);
                EXPECT_EQ(row.selection.captureCursor, parsed.m_captureCursor);
            }
        }
        catch (const CString& error)
        {
            ADD_FAILURE() << error.ToAnsi(CP_UTF8) << "\n" << read.parameters.ToAnsi(CP_UTF8);
        }
    }
}

TEST(JobLineRoundTripTest, LinesWithoutQuotesOrTrailingBackslashesKeepTheirFormerText)
{
    JobSelection selection;
    selection.selectionType = SCT_DESKTOP;
    selection.duration = 1;
    selection.frequence = 1;
    EXPECT_EQ(CString(L"-type VELLUMOR_SC -esParam 7 -escType 6 -size \"\" -file \"Desktop\" -path \"C:\\Caps\" "
                      L"-imgType 4 -overwrite 1 -duration 1 -freq 1 -captCursor 0"),
              BuildJobLine(InfoScFile(L"Desktop", L"C:\\Caps", FT_PNG, true, false, 1, 1), selection));
    EXPECT_EQ(CString(L"-type VELLUMOR_AUDIO -audioType 0 -file \"C:\\a b\\s.wav\" -repeat 3 -duration 0"),
              BuildJobLine(InfoAudioPlaying(L"C:\\a b\\s.wav", 0, 3, false), selection));
    EXPECT_EQ(CString(L"-type VELLUMOR_SC -esParam 17 -escType 6 -size \"\" -webSvr 0 -hostAddr ftp.example.com "
                      L"-port 21 -login \"u\" -pwd \"p\" -webPath \"/\" -file \"f\" -path \"C:\\d\" -imgType 4 "
                      L"-overwrite 0 -duration 1 -freq 1 -captCursor 0"),
              BuildJobLine(InfoScWeb(WS_REMOTE_FTP, L"ftp.example.com", 21, L"u", L"p", L"/", L"f", L"C:\\d", FT_PNG,
                                     false, false, 1, 1),
                           selection));
}

TEST(JobLineRoundTripTest, SplitKeepsFlagTextsAndLongValuesInsideTheirValue)
{
    const CString longValue = Repeat(L"a-path -to ", 1200);
    CStringArray argv;
    SplitCommandLine(L"-file " + QuoteJobText(longValue) + L" -path " + QuoteJobText(L"C:\\") + L" -x", argv);
    ASSERT_EQ(6, argv.GetSize());
    EXPECT_EQ(CString(L"VellRunJobs.exe"), argv[0]);
    EXPECT_EQ(longValue, argv[2]);
    EXPECT_EQ(CString(L"C:\\"), argv[4]);
    EXPECT_EQ(CString(L"-x"), argv[5]);

    SplitCommandLine(L"", argv);
    EXPECT_EQ(1, argv.GetSize());
}

TEST(JobLineRoundTripTest, ATasksLineRunsInTheJobRunnerAsTheSystemStartsIt)
{
    screen_test::ColourWindow target(capture_test::kPaintRect, capture_test::kPaint);
    ASSERT_TRUE(target.IsShown());
    SetWindowTextW(target.Handle(), kQuoteTitle);
    TestFolder folder;
    JobSelection selection;
    selection.selectionType = SCT_WINDOW;
    selection.sizeText = kQuoteTitle;
    selection.duration = 1;
    selection.frequence = 1;
    // A folder with a trailing backslash, as the folder picker gives a drive root.
    const InfoScFile file(L"a-path", folder.Path() + L"\\", FT_BMP, true, false, 1, 1);

    TaskCleanup cleanup;
    const CString name = cleanup.Add(UniqueTaskName(L"Run"));
    CString msg;
    ASSERT_TRUE(CTaskScheduler().Create(OwnTask(name, BuildJobLine(file, selection)), msg)) << msg.ToAnsi(CP_UTF8);
    CTaskRecord task;
    ASSERT_TRUE(CTaskScheduler().Read(name, task, msg));

    const job_test::JobRun run = job_test::RunJob(task.parameters);
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_TRUE(run.entries.empty()) << (run.entries.empty() ? "" : CString(run.entries[0].c_str()).ToAnsi(CP_UTF8));
    const capture_test::DecodedImage image = capture_test::Decode(folder / L"a-path.bmp");
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(capture_test::kPaintWidth, image.width);
    EXPECT_TRUE(capture_test::ColourNear(capture_test::kPaint, image.centre, 0));
}
