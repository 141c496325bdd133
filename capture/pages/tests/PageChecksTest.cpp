// The checks of the destination pages: what the user types (real key presses), the exact
// message, its icon, and where the focus goes.
#include "Info/InfoScDatabase.h"
#include "Info/InfoVideoRecording.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScWeb.h"
#include "capture/pages/MediaPagesIds.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "testing/CStringPrinter.h"

namespace
{
struct CheckCase
{
    const char* name;
    EnumSendParam type;
    int page;
    // The live record before the pages are shown.
    void (*prepare)(SendParam& live);
    // Typed into the control (0: nothing typed).
    UINT control;
    const wchar_t* typed;
    // The answer to every box (the question of a missing folder too).
    int answer;
    // The last message shown; null when every check passes.
    const wchar_t* message;
    UINT icon;
    // The control that has the focus afterwards; 0 when the check leaves it.
    UINT focus;
};

void PrintTo(const CheckCase& c, std::ostream* out)
{
    *out << c.name;
}

void Nothing(SendParam&) {}
void FrequenceTen(SendParam& live)
{
    static_cast<InfoScFile&>(live).Frequence = 10;
}
void UnlistedFaxServer(SendParam& live)
{
    static_cast<InfoScFax&>(live).SvrName = L"farserver";
}
void CoverPageOn(SendParam& live)
{
    static_cast<InfoScFax&>(live).UseCoverPage = true;
}
void PasswordOnly(SendParam& live)
{
    static_cast<InfoScWeb&>(live).Pwd = L"secret";
}
void UnusedMissingCoverPage(SendParam& live)
{
    static_cast<InfoScFax&>(live).CoverPageName = L"C:\\none.cov";
}
void NoIcqUser(SendParam& live)
{
    static_cast<InfoScIcq&>(live).UID = 0;
}
void PreviewOn(SendParam& live)
{
    static_cast<InfoVideoRecording&>(live).RecPreview = true;
}
void SmallPreviewOff(SendParam& live)
{
    static_cast<InfoVideoRecording&>(live).RecPreview = false;
    static_cast<InfoVideoRecording&>(live).RecWndWidth = 10;
}
void NoExtraColumns(SendParam& live)
{
    static_cast<InfoScDatabase&>(live).ExtraColInfo.Empty();
}

const UINT kNoIcon = 0;
const UINT kExclamation = MB_ICONEXCLAMATION;
const UINT kInformation = MB_ICONINFORMATION;

const CheckCase kChecks[] = {
    {"duration equal to frequency", SP_SC_FILE, 1, FrequenceTen, IDC_DURATION_SECONDS, L"10", IDOK,
     L"The duration value cannot be smaller than the frequence value.", kNoIcon, IDC_FREQUENCE},
    {"duration above frequency", SP_SC_FILE, 1, FrequenceTen, IDC_DURATION_SECONDS, L"11", IDOK, nullptr, 0, 0},
    {"reserved character in the file name", SP_SC_FILE, 0, Nothing, IDC_FILE_NAME, L"a|b", IDOK,
     // The name check's own text, which quotes the double quote with a backslash.
     L"File/directory name contains reserved characters (<>:\\\"/|?*).", kExclamation, IDC_FILE_NAME},
    {"missing folder not created", SP_SC_FILE, 0, Nothing, IDC_FILE_PATH, L"C:\\no such folder", IDNO,
     L"The path 'C:\\no such folder' does not exist.", kExclamation, IDC_FILE_PATH},
    {"missing editor", SP_SC_EDITOR, 0, Nothing, IDC_EDITOR_LOCATION, L"C:\\missing.exe", IDOK,
     L"Editor file does not exist.", kInformation, IDC_EDITOR_LOCATION},
    {"empty printer driver", SP_SC_PRINTER, 0, Nothing, IDC_PRINTER_DRIVER, L"", IDOK,
     L"The Driver Name field is empty. Please enter a valid driver name.", kExclamation, IDC_PRINTER_DRIVER},
    {"empty mail sender", SP_SC_EMAIL, 0, Nothing, IDC_MAIL_FROM, L"", IDOK,
     L"Sender email address is missing. This field cannot be empty. Please correct.", kNoIcon, IDC_MAIL_FROM},
    {"unlisted fax server", SP_SC_FAX, 0, UnlistedFaxServer, 0, nullptr, IDOK,
     L"Invalid network machine name. Please correct.", kInformation, IDC_PAGE_COMBO},
    {"empty fax number", SP_SC_FAX, 0, Nothing, IDC_FAX_NUMBER, L"", IDOK, L"The fax number is missing. Please correct.",
     kInformation, IDC_FAX_NUMBER},
    {"missing cover page in use", SP_SC_FAX, 1, CoverPageOn, IDC_FAX_COVER_NAME, L"C:\\none.cov", IDOK,
     L"Cover page file does not exist.", kInformation, IDC_FAX_COVER_NAME},
    {"missing cover page not used", SP_SC_FAX, 1, UnusedMissingCoverPage, 0, nullptr, IDOK, nullptr, 0, 0},
    {"host with a blank", SP_SC_WEB, 1, Nothing, IDC_WEB_HOST, L"bad host", IDOK, L"Invalid parsed URL 'ftp://bad host'.",
     kExclamation, IDC_WEB_HOST},
    {"password without login", SP_SC_WEB, 1, PasswordOnly, IDC_WEB_USER, L"", IDOK, L"The login user name is missing.",
     kExclamation, IDC_WEB_USER},
    {"empty connection string", SP_SC_DATABASE, 0, Nothing, IDC_DB_CONNECTION, L"", IDOK,
     L"The database connection string is missing.", kExclamation, IDC_DB_CONNECTION},
    {"no extra column", SP_SC_DATABASE, 0, NoExtraColumns, 0, nullptr, IDOK,
     L"Extra column data is missing. This capture type requires at least one more column data.", kExclamation, 0},
    {"empty screen saver name", SP_SC_SCREENSAVER, 0, Nothing, IDC_SAVER_NAME, L"", IDOK,
     L"Please provide a file name.", kExclamation, IDC_SAVER_NAME},
    {"no ICQ user", SP_SC_ICQ, 0, NoIcqUser, 0, nullptr, IDOK, L"No ICQ user selected.", kExclamation, 0},
    {"empty audio file name", SP_AUDIO_RECORDING, 0, Nothing, IDC_AUDIO_REC_NAME, L"", IDOK,
     L"Please provide a file name.", kExclamation, IDC_AUDIO_REC_NAME},
    {"training file in capitals", SP_CBT_PLAYING, 0, Nothing, IDC_CBT_PLAY_FILE, L"C:\\A.VTF", IDOK, nullptr, 0, 0},
    {"training file of another type", SP_CBT_PLAYING, 0, Nothing, IDC_CBT_PLAY_FILE, L"C:\\a.wav", IDOK,
     L"Invalid training file extension. A training file extension should be .vtf.", kExclamation, IDC_CBT_PLAY_FILE},
    {"audio file in capitals", SP_AUDIO_PLAYING, 0, Nothing, IDC_AUDIO_PLAY_FILE, L"C:\\A.AIFF", IDOK, nullptr, 0, 0},
    {"audio file of another type", SP_AUDIO_PLAYING, 0, Nothing, IDC_AUDIO_PLAY_FILE, L"C:\\a.avi", IDOK,
     L"Invalid audio file extension. An audio file extension shoud be .wav, .mpa, .mp2, .mp3, .au, .aif, .aiff or "
     L".snd.",
     kExclamation, IDC_AUDIO_PLAY_FILE},
    {"audio folder not created", SP_AUDIO_PLAYING, 0, Nothing, IDC_AUDIO_PLAY_FILE, L"C:\\no such folder\\a.wav", IDNO,
     L"The path 'C:\\no such folder\\' does not exist.", kExclamation, IDC_AUDIO_PLAY_FILE},
    {"video file in capitals", SP_VIDEO_PLAYING, 0, Nothing, IDC_VIDEO_PLAY_FILE, L"C:\\A.MPEG", IDOK, nullptr, 0, 0},
    {"video file of another type", SP_VIDEO_PLAYING, 0, Nothing, IDC_VIDEO_PLAY_FILE, L"C:\\a.wav", IDOK,
     L"Invalid video file extension for current operation. A video file extension shoud be .avi, .gt, .mov, .mpg, "
     L".mpeg or .m1v.",
     kExclamation, IDC_VIDEO_PLAY_FILE},
    {"player width 199", SP_VIDEO_PLAYING, 0, Nothing, IDC_VIDEO_PLAY_WIDTH, L"199", IDOK,
     L"The window's width cannot be less than 200 pixels.", kExclamation, IDC_VIDEO_PLAY_WIDTH},
    {"player width 200", SP_VIDEO_PLAYING, 0, Nothing, IDC_VIDEO_PLAY_WIDTH, L"200", IDOK, nullptr, 0, 0},
    {"player height 119", SP_PRESENTATION_PLAYING, 0, Nothing, IDC_MOVIE_PLAY_HEIGHT, L"119", IDOK,
     L"The window's height cannot be less than 120 pixels.", kExclamation, IDC_MOVIE_PLAY_HEIGHT},
    {"player height 120", SP_PRESENTATION_PLAYING, 0, Nothing, IDC_MOVIE_PLAY_HEIGHT, L"120", IDOK, nullptr, 0, 0},
    {"small preview while off", SP_VIDEO_RECORDING, 1, SmallPreviewOff, 0, nullptr, IDOK, nullptr, 0, 0},
    {"small preview while on", SP_VIDEO_RECORDING, 1, PreviewOn, IDC_VIDEO_PREVIEW_WIDTH, L"10", IDOK,
     L"The window's width cannot be less than 200 pixels.", kExclamation, IDC_VIDEO_PREVIEW_WIDTH},
    {"missing application", SP_CBT_PLAYING, 1, Nothing, IDC_LAUNCH_APP, L"C:\\missing.exe", IDOK,
     L"The file 'C:\\missing.exe' does not exist.", kInformation, IDC_LAUNCH_APP},
    {"application not a program", SP_CBT_PLAYING, 1, Nothing, IDC_LAUNCH_APP, L"C:\\windows\\win.ini", IDOK,
     L"Invalid file extension. The file's extension for this operation should be '.exe'. ", kExclamation,
     IDC_LAUNCH_APP},
    {"application of blanks", SP_CBT_PLAYING, 1, Nothing, IDC_LAUNCH_APP, L"   ", IDOK, nullptr, 0, 0},
};

class PageChecksTest : public PageHostTest, public ::testing::WithParamInterface<CheckCase>
{
};

TEST_P(PageChecksTest, TypedValueIsCheckedWithItsMessageIconAndFocus)
{
    const CheckCase& c = GetParam();
    MakeValid(c.type);
    c.prepare(Live(c.type));
    Show(c.type);
    m_sheet->SetActivePage(c.page);
    SetForegroundWindow(m_host);
    if (c.control)
        TypeInto(Item(c.page, c.control), c.typed);
    MessageBoxRecorder boxes(c.answer);

    const bool passed = m_sheet->Validate();
    if (!c.message)
    {
        EXPECT_TRUE(passed);
        EXPECT_TRUE(boxes.boxes.empty());
        return;
    }
    EXPECT_FALSE(passed);
    ASSERT_FALSE(boxes.boxes.empty());
    EXPECT_EQ(CString(c.message), boxes.boxes.back().text);
    EXPECT_EQ(c.icon, boxes.boxes.back().type & MB_ICONMASK);
    if (c.focus)
    {
        EXPECT_EQ(Item(c.page, c.focus), GetFocus());
    }
    // A check writes nothing.
    EXPECT_TRUE(m_sheet->IsModified() || !c.control);
}

INSTANTIATE_TEST_SUITE_P(Checks, PageChecksTest, ::testing::ValuesIn(kChecks));
} // namespace
