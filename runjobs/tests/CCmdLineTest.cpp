#include "runjobs/CCmdLine.h"

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
#include "common/PathValidation.h"
#include "testing/CStringPrinter.h"
#include "testing/RemoveTestTree.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace
{
// The folder of this test run, without a trailing separator.
const CString& TestDir()
{
    static const CString dir = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        CString path;
        path.Format(L"%svell_cmdline_%lu", temp, GetCurrentProcessId());
        return path;
    }();
    return dir;
}

CString Dir(const wchar_t* relative)
{
    return TestDir() + relative;
}

// A folder that cannot be created: its parent is a file.
CString Blocked()
{
    return Dir(L"\\editor.exe\\sub");
}

CString Expand(CString text)
{
    text.Replace(L"{dir}", TestDir());
    return text;
}

bool FolderExists(const CString& path)
{
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A job's arguments, written as one text with "|" between arguments and {dir} for the
// test folder; the program comes first.
class Line
{
public:
    explicit Line(const wchar_t* text)
    {
        m_args.push_back(L"VellRunJobs.exe");
        std::wstring rest = Expand(text).str();
        for (size_t start = 0; !rest.empty() && start <= rest.size();)
        {
            size_t end = rest.find(L'|', start);
            end = end == std::wstring::npos ? rest.size() : end;
            m_args.push_back(CString(rest.substr(start, end - start)));
            start = end + 1;
        }
    }

    // Sets the value after the flag.
    Line& Set(const wchar_t* flag, const CString& value)
    {
        m_args.at(IndexOf(flag) + 1) = value;
        return *this;
    }
    // Replaces the argument itself (a flag or the type word).
    Line& Replace(const wchar_t* argument, const wchar_t* with)
    {
        m_args.at(IndexOf(argument)) = with;
        return *this;
    }
    Line& Rename(const wchar_t* flag) { return Replace(flag, L"-wrong"); }
    // Cuts the line to argc arguments, or pads it with "x".
    Line& Resize(int argc)
    {
        m_args.resize(static_cast<size_t>(argc), L"x");
        return *this;
    }

    std::unique_ptr<CCmdLine> Parse(bool validate) const
    {
        std::vector<const wchar_t*> argv;
        for (const CString& arg : m_args)
            argv.push_back(arg);
        return std::make_unique<CCmdLine>(static_cast<int>(argv.size()), argv.data(), validate);
    }

    std::string Text() const
    {
        CString text;
        for (const CString& arg : m_args)
            text += arg + L' ';
        return text.ToAnsi(CP_UTF8);
    }

private:
    size_t IndexOf(const wchar_t* argument) const
    {
        for (size_t i = 1; i < m_args.size(); ++i)
            if (m_args[i] == argument)
                return i;
        ADD_FAILURE() << "no argument " << CString(argument).ToAnsi() << " in " << Text();
        return m_args.size();
    }

    std::vector<CString> m_args;
};

// A desktop capture to a destination, complete with its tail: duration 5, frequency 1.
std::wstring ScreenLine(const wchar_t* sendParam, const wchar_t* flags)
{
    return std::wstring(L"-type|VELLUMOR_SC|-esParam|") + sendParam + L"|-escType|6|-size||" + flags +
           L"|-duration|5|-freq|1|-captCursor|1";
}

struct ScreenLines
{
    std::wstring file = ScreenLine(L"7", L"-file|shot|-path|{dir}\\out|-imgType|4|-overwrite|1");
    std::wstring editor = ScreenLine(L"8", L"-editorPath|{dir}\\editor.exe|-imgType|2");
    std::wstring email = ScreenLine(L"9", L"-server|smtp.local|-from|a@x|-to|b@x|-cc||-subject|s|-body|b|"
                                          L"-imgAttached|1|-imgType|2");
    std::wstring icq = ScreenLine(L"10", L"-UID|12345|-imgType|4");
    std::wstring printer =
        ScreenLine(L"11", L"-prtName|PDF|-drvName|cups|-portName|cups-pdf:/|-orient|2|-numCopies|999");
    std::wstring fax = ScreenLine(L"12", L"-svrName|fax|-recipNum|555|-recipName|Ann|-recipComp|Co|"
                                         L"-recipDepart|R&D|-note|n|-subject|s|-covPgName|{dir}\\cover.cov|"
                                         L"-useCovPg|1");
    std::wstring database = ScreenLine(L"13", L"-connStr|DSN=x|-table|shots|-blobCol|img|-extraCol|a,b");
    std::wstring clipboard = ScreenLine(L"14", L"-imgType|1");
    std::wstring screenSaver = ScreenLine(L"15", L"-name|pic|-createUnique|1|-makeCurrent|1");
    std::wstring wallpaper = ScreenLine(L"16", L"-name|wall|-createUnique|0|-displayType|2");
    std::wstring web = ScreenLine(L"17", L"-webSvr|0|-hostAddr|ftp.local|-port|21|-login|me|-pwd|pw|"
                                         L"-webPath|/images|-file|shot|-path|{dir}\\web|-imgType|4|-overwrite|0");
};

const wchar_t kTrainingRec[] = L"-type|VELLUMOR_CBT|-cbtType|1|-file|lesson|-path|{dir}\\rec|-overwrite|1|-sound|1|"
                               L"-device|Mic|-format|PCM|-pinName|Capture|-skipMouse|1|-skipKb|0|-duration|0";
const wchar_t kTrainingPlay[] = L"-type|VELLUMOR_CBT|-cbtType|0|-file|{dir}\\lesson.cbt|-sound|1|-repeat|3|"
                                L"-skipMouse|0|-skipKb|1|-duration|0";
const wchar_t kTrainingPlayLaunch[] = L"-type|VELLUMOR_CBT|-cbtType|0|-file|{dir}\\lesson.cbt|-sound|1|-repeat|3|"
                                      L"-skipMouse|0|-skipKb|1|-duration|0|-appToLaunch|\"C:\\app.exe\"|"
                                      L"-cmdLine|/x|-left|10|-top|20|-width|300|-height|200|-delayTime|5";
const wchar_t kAudioRec[] = L"-type|VELLUMOR_AUDIO|-audioType|1|-file|take|-path|{dir}\\rec|-fileType|0|"
                            L"-overwrite|1|-device|Mic|-format|PCM 44kHz|-pinName|Capture|-duration|10";
const wchar_t kAudioPlay[] = L"-type|VELLUMOR_AUDIO|-audioType|0|-file|{dir}\\sound.wav|-repeat|2|-duration|0";
const wchar_t kVideoRec[] = L"-type|VELLUMOR_VIDEO|-videoType|1|-file|clip|-path|{dir}\\rec|-fileType|0|"
                            L"-overwrite|0|-duration|7|-videoDevice|Cam|-framesRate|25|-preview|1|-left|1|-top|2|"
                            L"-width|320|-height|240|-audio|0|-audioDevice|Mic|-audioFormat|PCM|"
                            L"-audioPinName|Capture";
const wchar_t kVideoPlay[] = L"-type|VELLUMOR_VIDEO|-videoType|0|-file|{dir}\\clip.avi|-repeat|1|-duration|0|"
                             L"-left|5|-top|6|-width|640|-height|480|-audio|1";
const wchar_t kMovieRec[] = L"-type|VELLUMOR_PRESENTATION|-presType|1|-file|demo|-path|{dir}\\rec|-fileType|0|"
                            L"-overwrite|1|-duration|30|-freq|2|-framesRate|5|-escType|2|-size|0,0,100,80|"
                            L"-captCursor|1";
const wchar_t kMoviePlay[] = L"-type|VELLUMOR_PRESENTATION|-presType|0|-file|{dir}\\movie.avi|-repeat|1|"
                             L"-duration|0|-left|5|-top|6|-width|640|-height|480|-audio|1";

template <class Record> void ExpectRecord(const CCmdLine& line, const Record& expected)
{
    const SendParam* record = line.GetRecord();
    ASSERT_NE(nullptr, record);
    ASSERT_EQ(expected.GetType(), record->GetType());
    EXPECT_TRUE(static_cast<const Record&>(*record) == expected);
}

// A screen job: its record, and settings with that one destination on.
template <class Record>
void ExpectScreenJob(const CCmdLine& line, bool InfoScSettings::*destination, const Record& expected)
{
    EXPECT_EQ(JobKind::Screen, line.m_kind);
    EXPECT_TRUE(line.m_record);
    EXPECT_EQ(expected.GetType(), line.m_sendParam);
    InfoScSettings settings;
    settings.Clear();
    settings.*destination = true;
    EXPECT_TRUE(line.m_screenManager->GetSettings() == settings);
    ExpectRecord(line, expected);
}

void WriteFile(const CString& path)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
}

struct ValidCase
{
    Line line;
    std::function<void(const CCmdLine&)> check;
    bool validate = true;
};

struct BadCase
{
    Line line;
    CString expected; // without "Task  "; {dir} stands for the test folder
};

void ExpectRefused(const BadCase& c, bool validate)
{
    SCOPED_TRACE(c.line.Text());
    try
    {
        c.line.Parse(validate);
        ADD_FAILURE() << "accepted";
    }
    catch (const CString& error)
    {
        EXPECT_EQ(L"Task  " + Expand(c.expected), error);
    }
}

// The test folder holds the files a valid line names: the editor, the cover page and
// the files played.
class CmdLineTest : public testing::Test
{
protected:
    void SetUp() override
    {
        RemoveTestTree(TestDir());
        ASSERT_TRUE(CreateDirectoryW(TestDir(), nullptr));
        for (const wchar_t* name :
             {L"\\editor.exe", L"\\cover.cov", L"\\lesson.cbt", L"\\sound.wav", L"\\clip.avi", L"\\movie.avi"})
            WriteFile(Dir(name));
    }
    void TearDown() override { EXPECT_TRUE(RemoveTestTree(TestDir())); }

    const ScreenLines s;
};
} // namespace

TEST_F(CmdLineTest, ValidLinesFillTheJob)
{
    const CString out = Dir(L"\\out"), rec = Dir(L"\\rec");
    const ValidCase cases[] = {
        {Line(s.file.c_str()),
         [&](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::File, InfoScFile(L"shot", out, FT_PNG, true, false, 5, 1));
             EXPECT_TRUE(c.m_captureCursor);
             EXPECT_EQ(SCT_DESKTOP, c.m_selectionType);
         }},
        // Flags and type word in any case; text values lose their quotes; numbers read
        // their leading digits; "01" is a non-zero overwrite; 21 arguments: no cursor.
        {Line(s.file.c_str())
             .Replace(L"-type", L"-TYPE")
             .Replace(L"VELLUMOR_SC", L"vellumor_sc")
             .Replace(L"-file", L"-FILE")
             .Set(L"-FILE", L"\"shot\"")
             .Set(L"-path", L"\"" + out)
             .Set(L"-imgType", L" 2x")
             .Set(L"-overwrite", L"01")
             .Resize(21),
         [&](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::File, InfoScFile(L"shot", out, FT_JPG, true, false, 5, 1));
             EXPECT_EQ(L"vellumor_sc", c.m_type);
             EXPECT_FALSE(c.m_captureCursor);
         }},
        {Line(s.file.c_str()).Set(L"-path", out + L"\"").Set(L"-overwrite", L"abc"),
         [&](const CCmdLine& c) { ExpectRecord(c, InfoScFile(L"shot", out, FT_PNG, false, false, 5, 1)); }},
        // Without the tail: no duration, so only the parse-only mode accepts it.
        {Line(s.file.c_str()).Resize(17),
         [&](const CCmdLine& c) {
             ExpectRecord(c, InfoScFile(L"shot", out, FT_PNG, true, false, 0, 0));
             EXPECT_FALSE(c.m_captureCursor);
         },
         false},
        {Line(s.editor.c_str()).Set(L"-editorPath", L"\"" + Dir(L"\\editor.exe") + L"\""),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Editor, InfoScEditor(Dir(L"\\editor.exe"), FT_JPG, false, 5, 1));
         }},
        {Line(s.email.c_str())
             .Set(L"-cc", L"trailing\"")
             .Set(L"-subject", L"\"say \"hi\"\"")
             .Set(L"-body", L"\"leading only")
             .Set(L"-imgAttached", L"0"),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Email,
                             InfoScEmail(L"smtp.local", L"a@x", L"b@x", L"trailing", L"say \"hi\"", L"leading only",
                                         false, FT_JPG, false, 5, 1));
         }},
        {Line(s.icq.c_str()),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::ICQ, InfoScIcq(L"", L"", 12345, 0, FT_PNG, false, 5, 1));
         }},
        {Line(s.printer.c_str()),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Printer,
                             InfoScPrinter(L"PDF", L"cups", L"cups-pdf:/", false, PO_LANDSCAPE, 999, 5, 1));
         }},
        {Line(s.fax.c_str()),
         [](const CCmdLine& c) {
             ExpectScreenJob(
                 c, &InfoScSettings::Fax,
                 InfoScFax(L"fax", L"555", L"Ann", L"Co", L"R&D", L"n", L"s", Dir(L"\\cover.cov"), true, false, 5, 1));
         }},
        // Without the cover page its file is not needed.
        {Line(s.fax.c_str()).Set(L"-covPgName", L"none.cov").Set(L"-useCovPg", L"0"),
         [](const CCmdLine& c) { EXPECT_FALSE(static_cast<const InfoScFax*>(c.GetRecord())->UseCoverPage); }},
        {Line(s.database.c_str()),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Db, InfoScDatabase(L"DSN=x", L"shots", L"img", L"a,b", false, 5, 1));
         }},
        // A one-text switch: "01" is off.
        {Line(s.clipboard.c_str()).Set(L"-captCursor", L"01"),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Clipboard, InfoScClipboard(FT_DIB, false, 5, 1));
             EXPECT_FALSE(c.m_captureCursor);
         }},
        // "one" switches: only the number 1 is on.
        {Line(s.screenSaver.c_str()).Set(L"-makeCurrent", L"2"),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::ScreenSaver, InfoScScreenSaver(L"pic", true, false, false, 5, 1));
             EXPECT_TRUE(c.m_captureCursor);
         }},
        {Line(s.wallpaper.c_str()).Set(L"-createUnique", L"01"),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Wallpaper,
                             InfoScWallpaper(L"wall", true, InfoScWallpaper::DISPLAY_STRETCHED, false, 5, 1));
             EXPECT_TRUE(c.m_captureCursor);
         }},
        // The host address keeps its quotes; a password without a login is refused,
        // no password needs none.
        {Line(s.web.c_str()).Set(L"-hostAddr", L"\"ftp.local\"").Set(L"-port", L"  21abc"),
         [](const CCmdLine& c) {
             ExpectScreenJob(c, &InfoScSettings::Web,
                             InfoScWeb(WS_REMOTE_FTP, L"\"ftp.local\"", 21, L"me", L"pw", L"/images", L"shot",
                                       Dir(L"\\web"), FT_PNG, false, false, 5, 1));
         }},
        {Line(s.web.c_str()).Set(L"-login", L"").Set(L"-pwd", L""),
         [](const CCmdLine& c) { EXPECT_TRUE(static_cast<const InfoScWeb*>(c.GetRecord())->Login.IsEmpty()); }},
        // A training recording keeps duration 0 (the user ends it); past 25 arguments
        // the rest is ignored; "01" is off.
        {Line(kTrainingRec).Replace(L"-cbtType", L"-CBTTYPE").Set(L"-overwrite", L"01").Resize(27),
         [&](const CCmdLine& c) {
             EXPECT_EQ(JobKind::Training, c.m_kind);
             EXPECT_TRUE(c.m_record);
             ExpectRecord(
                 c, InfoCBTRecording(L"lesson", rec, false, true, L"Mic", L"PCM", L"Capture", true, false, 0, false));
         }},
        {Line(kTrainingRec).Set(L"-sound", L"0").Set(L"-device", L"").Set(L"-format", L""),
         [](const CCmdLine& c) { EXPECT_TRUE(c.m_cbtManager->GetRecording().RecSoundDevice.IsEmpty()); }},
        // Any type value but 1 selects the playing.
        {Line(kTrainingPlay).Set(L"-cbtType", L"2"),
         [](const CCmdLine& c) {
             EXPECT_FALSE(c.m_record);
             ExpectRecord(
                 c, InfoCBTPlaying(Dir(L"\\lesson.cbt"), true, 3, false, true, 0, false, L"", L"", 0, 0, 0, 0, 0));
         }},
        {Line(kTrainingPlayLaunch),
         [](const CCmdLine& c) {
             ExpectRecord(c, InfoCBTPlaying(Dir(L"\\lesson.cbt"), true, 3, false, true, 0, false, L"C:\\app.exe", L"/x",
                                            5, 10, 20, 300, 200));
         }},
        {Line(kAudioRec),
         [&](const CCmdLine& c) {
             EXPECT_EQ(JobKind::Audio, c.m_kind);
             EXPECT_TRUE(c.m_record);
             ExpectRecord(c, InfoAudioRecording(L"take", rec, AFT_WAV, true, L"Mic", L"PCM 44kHz", L"Capture", 10,
                                                false, false));
         }},
        {Line(kAudioPlay),
         [](const CCmdLine& c) {
             EXPECT_FALSE(c.m_record);
             ExpectRecord(c, InfoAudioPlaying(Dir(L"\\sound.wav"), 0, 2, false));
         }},
        {Line(kVideoRec),
         [&](const CCmdLine& c) {
             EXPECT_EQ(JobKind::Video, c.m_kind);
             ExpectRecord(c, InfoVideoRecording(L"clip", rec, VFT_AVI, false, 7, L"Cam", 25, true, 1, 2, 320, 240,
                                                false, L"Mic", L"PCM", L"Capture", false));
         }},
        {Line(kVideoPlay),
         [](const CCmdLine& c) {
             ExpectRecord(c, InfoVideoPlaying(Dir(L"\\clip.avi"), 0, 1, false, true, 5, 6, 640, 480));
         }},
        // The 27-argument form ignores its last two.
        {Line(kMovieRec).Resize(27),
         [&](const CCmdLine& c) {
             EXPECT_EQ(JobKind::Movie, c.m_kind);
             EXPECT_TRUE(c.m_record);
             ExpectRecord(c, InfoPresentationRecording(L"demo", rec, PFT_AVI, true, 30, 2, 5, false));
             EXPECT_EQ(SCT_RECTANGLE, c.m_selectionType);
             EXPECT_EQ(L"0,0,100,80", c.m_sizeText);
             ASSERT_EQ(2, c.m_selectionPoints.GetSize());
             EXPECT_EQ(100, c.m_selectionPoints[1].x);
             EXPECT_EQ(80, c.m_selectionPoints[1].y);
             EXPECT_TRUE(c.m_captureCursor);
         }},
        {Line(kMoviePlay),
         [](const CCmdLine& c) {
             ExpectRecord(c, InfoPresentationPlaying(Dir(L"\\movie.avi"), 0, 1, false, true, 5, 6, 640, 480));
         }},
        // Any other type word is a job that does nothing.
        {Line(L"-type|Vellumor_Other|extra"),
         [](const CCmdLine& c) {
             EXPECT_EQ(nullptr, c.GetRecord());
             EXPECT_EQ(JobKind::None, c.m_kind);
             // No manager is made for it.
             EXPECT_FALSE(c.m_screenManager || c.m_cbtManager || c.m_audioManager || c.m_videoManager ||
                          c.m_presentationManager);
             EXPECT_FALSE(c.m_record);
             EXPECT_EQ(L"Vellumor_Other", c.m_type);
             EXPECT_EQ(L"VellRunJobs.exe -type Vellumor_Other extra ", c.m_cmdLine);
         }},
    };
    for (const ValidCase& c : cases)
    {
        SCOPED_TRACE(c.line.Text());
        try
        {
            c.check(*c.line.Parse(c.validate));
        }
        catch (const CString& error)
        {
            ADD_FAILURE() << "refused: " << error.ToAnsi(CP_UTF8);
        }
    }
}

TEST_F(CmdLineTest, SizeTextGivesPointsOrSelectionText)
{
    struct SelectionCase
    {
        const wchar_t* type;
        const wchar_t* size;
        std::vector<POINT> points;
        const wchar_t* text;
    };
    const SelectionCase cases[] = {
        {L"0", L"0,0,10,0,10,10", {{0, 0}, {10, 0}, {10, 10}}, L""},
        {L"1", L"\"1,1,50,1,25,40\"", {{1, 1}, {50, 1}, {25, 40}}, L""},
        {L"2", L"10,20,300,400", {{10, 20}, {300, 400}}, L""},
        {L"3", L"5,5,60,40", {{5, 5}, {60, 40}}, L""},
        {L"3", L"", {}, L""},
        {L"4", L"\"Untitled - Notepad\"", {}, L"Untitled - Notepad"},
        {L"5", L"1,2,3,4", {}, L"1,2,3,4"},
        {L"6", L"", {}, L""},
    };
    for (const SelectionCase& c : cases)
    {
        const Line line = Line(s.clipboard.c_str()).Set(L"-escType", c.type).Set(L"-size", c.size);
        SCOPED_TRACE(line.Text());
        const std::unique_ptr<CCmdLine> job = line.Parse(false);
        EXPECT_EQ(_wtoi(c.type), job->m_selectionType);
        EXPECT_EQ(CString(c.text), job->m_selectionText);
        ASSERT_EQ(static_cast<int>(c.points.size()), job->m_selectionPoints.GetSize());
        for (int i = 0; i < job->m_selectionPoints.GetSize(); ++i)
        {
            EXPECT_EQ(c.points[i].x, job->m_selectionPoints[i].x);
            EXPECT_EQ(c.points[i].y, job->m_selectionPoints[i].y);
        }
    }
}

// Errors of the grammar itself: refused with or without validation.
TEST_F(CmdLineTest, GrammarErrorsThrowTheirMessage)
{
    const wchar_t* const missing = L"Command line arguments are missing.";
    const CString screenMissing = CString(L"Screen  ") + missing;
    const BadCase cases[] = {
        {Line(L""), L"*Unknown*  Command line arguments are missing."},
        {Line(L"-type"), L"*Unknown*  Command line arguments are missing."},
        {Line(L"-kind|VELLUMOR_SC"), L"*Unknown*  Capture type flag (-type) is missing."},
        {Line(s.file.c_str()).Resize(8), screenMissing},
        {Line(s.file.c_str()).Rename(L"-esParam"), L"Screen  Send param type flag (-esParam) is missing."},
        {Line(s.file.c_str()).Set(L"-esParam", L"18"), L"Screen  Invalid Screen Capture type (File, Printer, etc)."},
        {Line(s.file.c_str()).Set(L"-esParam", L"6"), L"Screen  Invalid Screen Capture type (File, Printer, etc)."},
        {Line(s.file.c_str()).Set(L"-esParam", L"file"), L"Screen  Invalid Screen Capture type (File, Printer, etc)."},
        {Line(s.file.c_str()).Rename(L"-escType"), L"Screen  Type flag (-escType) is missing."},
        {Line(s.file.c_str()).Set(L"-escType", L"7"),
         L"Screen  Invalid Screen Capture selection type (Free Hand, Polygon, etc)."},
        {Line(s.file.c_str()).Set(L"-escType", L"-1"),
         L"Screen  Invalid Screen Capture selection type (Free Hand, Polygon, etc)."},
        {Line(s.file.c_str()).Rename(L"-size"), L"Screen  Size flag (-size) is missing."},
        {Line(s.file.c_str()).Resize(16), L"Screen  File: Command line arguments are missing."},
        {Line(s.file.c_str()).Resize(18), L"Screen  File: Command line arguments are missing."},
        {Line(s.file.c_str()).Resize(22), L"Screen  File: Command line arguments are missing."},
        {Line(s.file.c_str()).Resize(24), L"Screen  File: Command line arguments are missing."},
        {Line(s.printer.c_str()).Resize(20), L"Screen  Printer: Command line arguments are missing."},
        {Line(s.web.c_str()).Resize(34), L"Screen  Web: Command line arguments are missing."},
        {Line(s.file.c_str()).Rename(L"-file"), L"Screen  File: File name flag (-file) is missing."},
        {Line(s.file.c_str()).Rename(L"-overwrite"), L"Screen  File: File overwrite flag (-overwrite) is missing."},
        {Line(s.file.c_str()).Rename(L"-duration"), L"Screen  File: Duration flag (-duration) is missing."},
        {Line(s.clipboard.c_str()).Rename(L"-freq"), L"Screen  Clipboard: Frequency flag (-freq) is missing."},
        {Line(s.file.c_str()).Rename(L"-captCursor"), L"Screen  File: Capture Cursor flag (-captCursor) is missing."},
        {Line(s.email.c_str()).Rename(L"-to"), L"Screen  Email: 'Send To' flag (-to) is missing."},
        {Line(s.screenSaver.c_str()).Rename(L"-makeCurrent"),
         L"Screen  Screen Saver: Make current flag (-makeCurrent) is missing."},
        {Line(s.web.c_str()).Rename(L"-webPath"), L"Screen  Web: Web path flag (-webPath) is missing."},
        {Line(kTrainingRec).Resize(4), L"Training  Command line arguments are missing."},
        {Line(kAudioRec).Rename(L"-audioType"), L"Audio  Type flag (-audioType) is missing."},
        {Line(kTrainingRec).Resize(24), L"Training  Recording: Command line arguments are missing."},
        {Line(kTrainingPlay).Resize(18), L"Training  Playing: Command line arguments are missing."},
        {Line(kTrainingPlayLaunch).Resize(30), L"Training  Playing: Command line arguments are missing."},
        {Line(kTrainingPlayLaunch).Resize(32), L"Training  Playing: Command line arguments are missing."},
        {Line(kAudioPlay).Resize(10), L"Audio  Playing: Command line arguments are missing."},
        {Line(kVideoRec).Resize(36), L"Video  Recording: Command line arguments are missing."},
        {Line(kMovieRec).Resize(24), L"Movie  Recording: Command line arguments are missing."},
        {Line(kMovieRec).Resize(26), L"Movie  Recording: Command line arguments are missing."},
        {Line(kMovieRec).Resize(28), L"Movie  Recording: Command line arguments are missing."},
        {Line(kMoviePlay).Resize(20), L"Movie  Playing: Command line arguments are missing."},
        {Line(kAudioRec).Rename(L"-pinName"), L"Audio  Recording: Input pin name flag (-pinName) is missing."},
        {Line(kTrainingPlayLaunch).Rename(L"-delayTime"),
         L"Training  Playing: Delay Time flag (-delayTime) is missing."},
        {Line(kVideoPlay).Rename(L"-audio"), L"Video  Playing: Audio flag (-audio) is missing."},
        {Line(kMovieRec).Rename(L"-escType"),
         L"Movie  Recording: Screen capture selection type (-escType) is missing."},
        {Line(kMovieRec).Set(L"-escType", L"9"),
         L"Movie  Invalid Screen Capture selection type (Free Hand, Polygon, etc)."},
    };
    for (const BadCase& c : cases)
    {
        ExpectRefused(c, true);
        ExpectRefused(c, false);
    }
}

// Lines the grammar accepts and the checks refuse; the parse-only mode takes them.
TEST_F(CmdLineTest, ValidationRefusesWithItsMessage)
{
    // The file-name check's own message follows the prefix.
    CString reserved;
    ValidateFileName(L"a:b", reserved);
    const BadCase cases[] = {
        {Line(s.file.c_str()).Set(L"-file", L"a:b"), CString(L"Screen  File: ") + reserved},
        {Line(s.file.c_str()).Set(L"-file", L""), L"Screen  File: Please provide a file name."},
        {Line(s.file.c_str()).Set(L"-path", Blocked()), L"Screen  File: Path '{dir}\\editor.exe\\sub' does not exist."},
        {Line(s.file.c_str()).Set(L"-path", L""), L"Screen  File: Path '' does not exist."},
        {Line(s.editor.c_str()).Set(L"-editorPath", Dir(L"\\none.exe")),
         L"Screen  Editor: Editor file '{dir}\\none.exe' does not exist."},
        {Line(s.email.c_str()).Set(L"-to", L"\"\""), L"Screen  Email: Empty email address 'To'."},
        {Line(s.icq.c_str()).Set(L"-UID", L"0"), L"Screen  ICQ: Invalid user ID."},
        // The user ID keeps its quotes, which read as 0.
        {Line(s.icq.c_str()).Set(L"-UID", L"\"5\""), L"Screen  ICQ: Invalid user ID."},
        {Line(s.printer.c_str()).Set(L"-prtName", L""), L"Screen  Printer: Empty printer name."},
        {Line(s.printer.c_str()).Set(L"-drvName", L""), L"Screen  Printer: Empty driver name."},
        {Line(s.printer.c_str()).Set(L"-portName", L""), L"Screen  Printer: Empty port name."},
        {Line(s.printer.c_str()).Set(L"-numCopies", L"1000"),
         L"Screen  Printer: Invalid number of copies (should be between 1 and 999)."},
        {Line(s.printer.c_str()).Set(L"-numCopies", L"0"),
         L"Screen  Printer: Invalid number of copies (should be between 1 and 999)."},
        {Line(s.printer.c_str()).Set(L"-orient", L"0"),
         L"Screen  Printer: Invalid page orientation (Portrait/Landscape)."},
        {Line(s.printer.c_str()).Set(L"-orient", L"3"),
         L"Screen  Printer: Invalid page orientation (Portrait/Landscape)."},
        {Line(s.fax.c_str()).Set(L"-svrName", L""), L"Screen  Fax: Empty fax server name."},
        {Line(s.fax.c_str()).Set(L"-recipName", L""), L"Screen  Fax: Empty recipient name."},
        {Line(s.fax.c_str()).Set(L"-recipNum", L""), L"Screen  Fax: Empty recipient number."},
        {Line(s.fax.c_str()).Set(L"-covPgName", Dir(L"\\none.cov")),
         L"Screen  Fax: Cover page file '{dir}\\none.cov' does not exist."},
        {Line(s.database.c_str()).Set(L"-connStr", L""), L"Screen  Database: The connection string is empty."},
        {Line(s.database.c_str()).Set(L"-table", L""), L"Screen  Database: The table name is empty."},
        {Line(s.database.c_str()).Set(L"-blobCol", L""), L"Screen  Database: The image column name is empty."},
        {Line(s.database.c_str()).Set(L"-extraCol", L""), L"Screen  Database: The extra column names are empty."},
        {Line(s.clipboard.c_str()).Set(L"-imgType", L"2"), L"Screen  Clipboard: Invalid format (expected BMP/DIB)."},
        {Line(s.screenSaver.c_str()).Set(L"-name", L"con"), L"Screen  Screen Saver: Invalid screen saver name 'con'."},
        {Line(s.wallpaper.c_str()).Set(L"-name", L"a|b"), L"Screen  Wallpaper: Invalid wallpaper name 'a|b'."},
        {Line(s.web.c_str()).Set(L"-file", L"a*b"), CString(L"Screen  Web: ") + reserved},
        {Line(s.web.c_str()).Set(L"-path", Blocked()), L"Screen  Web: Path '{dir}\\editor.exe\\sub' does not exist."},
        {Line(s.web.c_str()).Set(L"-hostAddr", L""), L"Screen  Web: Empty host address."},
        {Line(s.web.c_str()).Set(L"-login", L""), L"Screen  Web: Empty login user name."},
        {Line(s.web.c_str()).Set(L"-webPath", L"images"), L"Screen  Web: Invalid web path - Invalid directory name."},
        // A screen job needs a duration of a second or more to end.
        {Line(s.file.c_str()).Resize(17), L"Screen  File: The duration must be at least 1 second."},
        {Line(s.clipboard.c_str()).Set(L"-duration", L"0"),
         L"Screen  Clipboard: The duration must be at least 1 second."},
        {Line(s.web.c_str()).Set(L"-duration", L"-3"), L"Screen  Web: The duration must be at least 1 second."},
        // Point selections need enough points.
        {Line(s.clipboard.c_str()).Set(L"-escType", L"2").Set(L"-size", L"10,20"),
         L"Screen  The rectangle selection needs at least 2 points (x,y) in -size."},
        {Line(s.clipboard.c_str()).Set(L"-escType", L"2").Set(L"-size", L"10,20,30"),
         L"Screen  The rectangle selection needs at least 2 points (x,y) in -size."},
        {Line(s.clipboard.c_str()).Set(L"-escType", L"2").Set(L"-size", L"a,b,c,d"),
         L"Screen  The rectangle selection needs at least 2 points (x,y) in -size."},
        {Line(s.clipboard.c_str()).Set(L"-escType", L"3"),
         L"Screen  The ellipse selection needs at least 2 points (x,y) in -size."},
        {Line(s.clipboard.c_str()).Set(L"-escType", L"1").Set(L"-size", L"1,1,5,5"),
         L"Screen  The polygon selection needs at least 3 points (x,y) in -size."},
        {Line(s.clipboard.c_str()).Set(L"-escType", L"0").Set(L"-size", L"1,1,5,5"),
         L"Screen  The free hand selection needs at least 3 points (x,y) in -size."},
        {Line(s.clipboard.c_str()).Set(L"-escType", L"4").Set(L"-size", L""),
         L"Screen  The window selection needs the window's title in -size."},
        {Line(kTrainingRec).Set(L"-file", L"a?b"), L"Training  Recording: Invalid training file name 'a?b'."},
        {Line(kTrainingRec).Set(L"-path", Blocked()),
         L"Training  Recording: Path '{dir}\\editor.exe\\sub' does not exist."},
        {Line(kTrainingRec).Set(L"-device", L""), L"Training  Recording: The sound device is empty."},
        {Line(kTrainingRec).Set(L"-format", L""), L"Training  Recording: The sound input format is empty."},
        {Line(kTrainingPlay).Set(L"-file", Dir(L"\\none.cbt")),
         L"Training  Playing: Training file '{dir}\\none.cbt' does not exist."},
        {Line(kAudioRec).Set(L"-file", L"aux"), L"Audio  Recording: Invalid audio file name 'aux'."},
        {Line(kAudioRec).Set(L"-path", Blocked()), L"Audio  Recording: Path '{dir}\\editor.exe\\sub' does not exist."},
        {Line(kAudioRec).Set(L"-device", L""), L"Audio  Recording: Audio input device is empty."},
        {Line(kAudioRec).Set(L"-format", L""), L"Audio  Recording: Audio input format is empty."},
        {Line(kAudioRec).Set(L"-pinName", L""), L"Audio  Recording: Audio input pin name is empty."},
        {Line(kAudioRec).Set(L"-duration", L"0"), L"Audio  Recording: The duration must be at least 1 second."},
        {Line(kAudioPlay).Set(L"-file", L"none.wav"), L"Audio  Playing: Audio file 'none.wav' does not exist."},
        {Line(kVideoRec).Set(L"-file", L"<clip>"), L"Video  Recording: Invalid video file name '<clip>'."},
        {Line(kVideoRec).Set(L"-path", Blocked()), L"Video  Recording: Path '{dir}\\editor.exe\\sub' does not exist."},
        {Line(kVideoRec).Set(L"-videoDevice", L""), L"Video  Recording: Video device is empty."},
        // The audio input is checked with the audio switch off.
        {Line(kVideoRec).Set(L"-audioDevice", L""), L"Video  Recording: Audio input device is empty."},
        {Line(kVideoRec).Set(L"-audioFormat", L""), L"Video  Recording: Audio input format is empty."},
        {Line(kVideoRec).Set(L"-audioPinName", L""), L"Video  Recording: Audio input pin name is empty."},
        {Line(kVideoRec).Set(L"-duration", L"0"), L"Video  Recording: The duration must be at least 1 second."},
        {Line(kVideoPlay).Set(L"-file", L"none.avi"), L"Video  Playing: Video file 'none.avi' does not exist."},
        {Line(kMovieRec).Set(L"-file", L""), L"Movie  Recording: Invalid movie file name ''."},
        {Line(kMovieRec).Set(L"-path", Blocked()), L"Movie  Recording: Path '{dir}\\editor.exe\\sub' does not exist."},
        {Line(kMovieRec).Set(L"-duration", L"0"), L"Movie  Recording: The duration must be at least 1 second."},
        {Line(kMovieRec).Set(L"-framesRate", L"0"),
         L"Movie  Recording: The frames rate must be at least 1 frame per second."},
        {Line(kMovieRec).Set(L"-size", L"5,5"),
         L"Movie  The rectangle selection needs at least 2 points (x,y) in -size."},
        {Line(kMovieRec).Set(L"-escType", L"4").Set(L"-size", L""),
         L"Movie  The window selection needs the window's title in -size."},
        {Line(kMoviePlay).Set(L"-file", L"none.avi"), L"Movie  Playing: Movie file 'none.avi' does not exist."},
    };
    for (const BadCase& c : cases)
    {
        ExpectRefused(c, true);
        SCOPED_TRACE(c.line.Text());
        EXPECT_NO_THROW(c.line.Parse(false));
    }
}

// An unattended job asks nobody: a missing folder is made without a message box.
TEST_F(CmdLineTest, MissingFolderIsCreatedSilently)
{
    const struct
    {
        const wchar_t* line;
        const wchar_t* folder;
    } cases[] = {
        {s.file.c_str(), L"\\made\\file\\deep"}, {s.web.c_str(), L"\\made\\web"}, {kTrainingRec, L"\\made\\training"},
        {kAudioRec, L"\\made\\audio"},           {kVideoRec, L"\\made\\video"},   {kMovieRec, L"\\made\\movie"},
    };
    for (const auto& c : cases)
    {
        const CString folder = Dir(c.folder);
        const Line line = Line(c.line).Set(L"-path", folder);
        SCOPED_TRACE(line.Text());
        line.Parse(false);
        EXPECT_FALSE(FolderExists(folder)) << "the parse-only mode created the folder";
        line.Parse(true);
        EXPECT_TRUE(FolderExists(folder));
    }
}

TEST_F(CmdLineTest, ParseOnlyFillsRecordsOfFilesThatDoNotExist)
{
    const CString missing = Dir(L"\\gone\\tool.exe");
    const std::unique_ptr<CCmdLine> editor = Line(s.editor.c_str()).Set(L"-editorPath", missing).Parse(false);
    ExpectScreenJob(*editor, &InfoScSettings::Editor, InfoScEditor(missing, FT_JPG, false, 5, 1));

    const std::unique_ptr<CCmdLine> audio = Line(kAudioPlay).Set(L"-file", missing).Parse(false);
    ExpectRecord(*audio, InfoAudioPlaying(missing, 0, 2, false));
    EXPECT_FALSE(FolderExists(Dir(L"\\gone")));
}
