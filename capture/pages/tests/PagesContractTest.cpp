// The pattern every record type's pages follow, checked on the real pages of each type in
// the host's child sheet, against the live records and the registry.
#include "capture/destinations/CaptureTables.h"
#include "capture/pages/MediaPagesIds.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"

namespace
{
// A text field of each type and a value for it; numbers where the type's own page has no
// text (the case-only check is left out for them). Then a value that fails a check and
// the message it gives; the destinations fail with a duration as long as the frequency.
struct TypeCase
{
    EnumSendParam type;
    int page;
    UINT control;
    const wchar_t* value;
    int failPage = 0;
    UINT failControl = 0;
    const wchar_t* failValue = nullptr;
    const wchar_t* failMessage = L"The duration value cannot be smaller than the frequence value.";
};

void PrintTo(const TypeCase& c, std::ostream* out)
{
    *out << "type " << c.type;
}

const TypeCase kTypes[] = {
    {SP_SC_FILE, 0, IDC_FILE_NAME, L"Shot2"},
    {SP_SC_EDITOR, 0, IDC_EDITOR_LOCATION, L"C:\\windows\\Notepad.exe"},
    {SP_SC_EMAIL, 0, IDC_MAIL_SERVER, L"Smtp.example"},
    {SP_SC_ICQ, 2, IDC_DURATION_HOURS, L"5"},
    {SP_SC_PRINTER, 0, IDC_PRINTER_NAME, L"Office"},
    {SP_SC_FAX, 0, IDC_FAX_RECIPIENT_NAME, L"Bob"},
    {SP_SC_DATABASE, 0, IDC_DB_TABLE, L"Pictures"},
    {SP_SC_CLIPBOARD, 1, IDC_DURATION_HOURS, L"5"},
    {SP_SC_SCREENSAVER, 0, IDC_SAVER_NAME, L"Night"},
    {SP_SC_WALLPAPER, 0, IDC_WALLPAPER_NAME, L"Desk"},
    {SP_SC_WEB, 0, IDC_WEBFILE_NAME, L"Upload"},
    {SP_CBT_RECORDING, 0, IDC_CBT_REC_NAME, L"Session2", 0, IDC_CBT_REC_PATH, L"nowhere",
     L"Invalid path name. Please correct."},
    {SP_CBT_PLAYING, 1, IDC_LAUNCH_CMDLINE, L"/Quiet", 0, IDC_CBT_PLAY_FILE, L"C:\\a.txt",
     L"Invalid training file extension. A training file extension should be .vtf."},
    {SP_AUDIO_RECORDING, 0, IDC_AUDIO_REC_NAME, L"Voice", 0, IDC_AUDIO_REC_PATH, L"nowhere",
     L"Invalid path name. Please correct."},
    {SP_AUDIO_PLAYING, 0, IDC_AUDIO_PLAY_HOURS, L"5", 0, IDC_AUDIO_PLAY_FILE, L"C:\\a.txt",
     L"Invalid audio file extension. An audio file extension shoud be .wav, .mpa, .mp2, .mp3, .au, .aif, .aiff or "
     L".snd."},
    {SP_VIDEO_RECORDING, 1, IDC_VIDEO_FRAME_RATE, L"5", 0, IDC_VIDEO_REC_NAME, L"",
     L"Please provide a file name."},
    {SP_VIDEO_PLAYING, 0, IDC_VIDEO_PLAY_LEFT, L"5", 0, IDC_VIDEO_PLAY_WIDTH, L"10",
     L"The window's width cannot be less than 200 pixels."},
    {SP_PRESENTATION_RECORDING, 1, IDC_MOVIE_FRAME_RATE, L"5", 0, IDC_MOVIE_REC_NAME, L"",
     L"Please provide a file name."},
    {SP_PRESENTATION_PLAYING, 0, IDC_MOVIE_PLAY_TOP, L"5", 0, IDC_MOVIE_PLAY_HEIGHT, L"10",
     L"The window's height cannot be less than 120 pixels."},
};

class PagesContractTest : public PageHostTest, public ::testing::WithParamInterface<TypeCase>
{
protected:
    void SetUp() override
    {
        PageHostTest::SetUp();
        MakeValid(GetParam().type);
        Show(GetParam().type);
    }
    void Type(const wchar_t* text) { SetText(GetParam().page, GetParam().control, text); }
    CString Shown() { return Text(GetParam().page, GetParam().control); }
    // True for the pages that report a change, by index.
    std::vector<bool> ModifiedPages()
    {
        std::vector<bool> modified;
        for (int i = 0; i < m_sheet->GetPageCount(); ++i)
            modified.push_back(Page(i).IsModified());
        return modified;
    }
    std::vector<bool> OnlyPage(int page)
    {
        std::vector<bool> expected(static_cast<size_t>(m_sheet->GetPageCount()), false);
        expected[static_cast<size_t>(page)] = true;
        return expected;
    }
};

TEST_P(PagesContractTest, OnlyTheComparisonWithTheLiveRecordCounts)
{
    const CString original = Shown();
    Type(GetParam().value);
    EXPECT_TRUE(m_sheet->IsModified());
    Type(original);
    EXPECT_FALSE(m_sheet->IsModified());

    // A change of letter case is a change.
    const CString value = GetParam().value;
    CString lower = value;
    lower.MakeLower();
    Type(value);
    ASSERT_TRUE(m_sheet->Save());
    Type(lower);
    EXPECT_EQ(lower != value, m_sheet->IsModified());
}

TEST_P(PagesContractTest, OnlyTheChangedPageReportsAndNeitherAfterSave)
{
    Type(GetParam().value);
    EXPECT_EQ(OnlyPage(GetParam().page), ModifiedPages());

    const RegistrySnapshot before = TakeRegistrySnapshot();
    ASSERT_TRUE(m_sheet->Save());
    EXPECT_EQ(std::vector<bool>(static_cast<size_t>(m_sheet->GetPageCount()), false), ModifiedPages());
    EXPECT_FALSE(ChangedValues(before, TakeRegistrySnapshot()).empty());
    // The live record holds the value: the pages shown again show it.
    Show(GetParam().type);
    EXPECT_EQ(CString(GetParam().value), Shown());
}

TEST_P(PagesContractTest, SaveWithAFailingPageWritesNothing)
{
    const TypeCase& c = GetParam();
    const int last = m_sheet->GetPageCount() - 1;
    Type(c.value);
    if (c.failControl)
        SetText(c.failPage, c.failControl, c.failValue);
    else
    {
        SetText(last, IDC_DURATION_HOURS, L"0");
        SetText(last, IDC_DURATION_MINUTES, L"0");
        SetText(last, IDC_DURATION_SECONDS, L"10");
        SetText(last, IDC_FREQUENCE, L"10");
    }
    const RegistrySnapshot before = TakeRegistrySnapshot();
    MessageBoxRecorder boxes(IDOK);

    EXPECT_FALSE(m_sheet->Save());
    ASSERT_EQ(1u, boxes.boxes.size());
    EXPECT_EQ(CString(c.failMessage), boxes.boxes[0].text);
    EXPECT_EQ(std::vector<std::wstring>{}, ChangedValues(before, TakeRegistrySnapshot()));
    Show(GetParam().type);
    EXPECT_NE(CString(GetParam().value), Shown());
}

TEST_P(PagesContractTest, DisplayCheckBoxWritesOnlyTheFlag)
{
    const bool shown = Live(GetParam().type).IsDisplayFlagOn();
    Type(GetParam().value);
    const RegistrySnapshot before = TakeRegistrySnapshot();

    ASSERT_TRUE(m_sheet->SetDisplayFlag(!shown));
    const std::vector<std::wstring> changed = ChangedValues(before, TakeRegistrySnapshot());
    ASSERT_EQ(1u, changed.size());
    const std::wstring name = changed[0].substr(changed[0].rfind(L'\\') + 1);
    // "ShowDlg" or "Display"; "RecShowDlg" or "PlayShowDlg" for recording and playing.
    const bool showDialog = name.size() >= 7 && name.compare(name.size() - 7, 7, L"ShowDlg") == 0;
    EXPECT_TRUE(showDialog || name == L"Display") << std::string(name.begin(), name.end());
    EXPECT_EQ(!shown, Live(GetParam().type).IsDisplayFlagOn());
    // The typed value is still only on the page.
    EXPECT_TRUE(m_sheet->IsModified());
}

TEST_P(PagesContractTest, RevertShowsTheLiveRecordAgain)
{
    const CString original = Shown();
    Type(GetParam().value);
    ASSERT_TRUE(m_sheet->Reset(true));
    EXPECT_EQ(original, Shown());
    EXPECT_FALSE(m_sheet->IsModified());
}

TEST_P(PagesContractTest, TheLastPageTheUserOpenedIsRemembered)
{
    const int last = m_sheet->GetPageCount() - 1;
    // Showing the type visits every page; none of those visits is the user's.
    SaveActivePageIndex(GetParam().type, 0, true);
    Show(GetParam().type);
    EXPECT_EQ(0, LoadActivePageIndex(GetParam().type, true));

    RECT tab = {};
    ASSERT_TRUE(TabCtrl_GetItemRect(m_sheet->GetTabControl(), last, &tab));
    MapWindowPoints(m_sheet->GetTabControl(), nullptr, reinterpret_cast<POINT*>(&tab), 2);
    SetForegroundWindow(m_host);
    ClickAt({(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    EXPECT_EQ(last, m_sheet->GetActiveIndex());
    EXPECT_EQ(last, LoadActivePageIndex(GetParam().type, true));
}

INSTANTIATE_TEST_SUITE_P(RecordTypes, PagesContractTest, ::testing::ValuesIn(kTypes));
} // namespace
