#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoVideoRecording.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScWeb.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/dialogs/CDlgSearch.h"
#include "capture/dialogs/DialogResources.h"
#include "capture/dialogs/SearchFields.h"
#include "DialogsTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/ScratchProfileTest.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

TEST(SearchMatchTest, MatchesByCaseWordAndPart)
{
    struct Case
    {
        const wchar_t* field;
        const wchar_t* text;
        bool matchCase;
        bool wholeWord;
        bool found;
    } cases[] = {
        {L"Daily report capture", L"REPORT", false, false, true},
        {L"Daily report capture", L"REPORT", true, false, false},
        {L"Daily report capture", L"report", true, false, true},
        {L"Daily report capture", L"REPORT", false, true, true},   // upper-case form of a word
        {L"Daily report capture", L"repo", false, true, false},    // part of a word
        {L"Daily report capture", L"repo", false, false, true},
        {L"Daily report capture", L"Report", true, true, false},
        {L"report report", L"report", false, true, true},
        {L"", L"x", false, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.found, MatchesSearch(c.field, c.text, c.matchCase, c.wholeWord))
            << CString(c.field) << " / " << CString(c.text) << " case " << c.matchCase << " word " << c.wholeWord;
}

namespace
{
// Whether the record's searchable fields hold that text at that page and control.
bool HasField(const SendParam& record, int page, UINT controlId, const CString& text)
{
    for (const SearchField& field : SearchableFields(record))
    {
        if (field.page == page && field.controlId == controlId)
            return field.text == text;
    }
    return false;
}
} // namespace

// Texts a page shows as the chosen item of a list are searched where that list is.
TEST(SearchFieldsTest, ListChoicesAreSearchedOnTheirPage)
{
    InfoAudioRecording audio;
    audio.RecInputDevice = L"Line Device";
    audio.RecInputPinName = L"Microphone";
    audio.RecInputFormat = L"0,88200,2,1,44100,16,1";
    InfoCBTRecording training;
    training.RecSoundDevice = L"Training Device";
    training.RecInputPinName = L"Line In";
    InfoVideoRecording video;
    video.RecVideoDevice = L"Camera";
    video.RecAudioInputDevice = L"Camera Sound";
    video.RecAudioInputPinName = L"Camera Pin";
    video.RecWndWidth = 321;
    InfoScIcq icq(L"Ann", L"Lee", 4711, 0, FT_PNG, false, 0, 0);
    const struct
    {
        const SendParam& record;
        int page;
        UINT control;
        const wchar_t* text;
    } cases[] = {
        {audio, 1, 1345, L"Line Device"},   {audio, 1, 1141, L"Microphone"},    {training, 1, 1173, L"Training Device"},
        {training, 1, 1347, L"Line In"},    {video, 1, 1405, L"Camera"},        {video, 1, 1426, L"321"},
        {video, 2, 1411, L"Camera Sound"},  {video, 2, 1415, L"Camera Pin"},    {icq, 0, 1154, L"4711"},
        {icq, 0, 1068, L"Ann"},             {icq, 0, 1069, L"Lee"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(HasField(c.record, c.page, c.control, c.text)) << c.record.GetType() << " " << c.control;

    const InfoScIcq none;
    EXPECT_FALSE(HasField(none, 0, 1154, L"0")) << "No contact chosen: the list shows no number.";
    for (const SearchField& field : SearchableFields(audio))
        EXPECT_NE(audio.RecInputFormat, field.text) << "The format list shows a description, not the format text.";
}

namespace
{
// The program around Find: a fixture configuration, output lines, and what double
// clicks asked for.
class FakeHost : public ISearchHost
{
public:
    FakeHost()
    {
        InfoScFile file;
        file.FName = L"Report capture";
        file.FPath = L"C:\\Captures\\Report";
        m_file = file;
        InfoScWeb web;
        web.HostAddress = L"ftp.example.com";
        web.Login = L"report";
        web.Pwd = L"report secret";
        web.Port = 2121;
        m_web = web;
        InfoScEmail mail;
        mail.Body = L"report report";
        mail.Subject = L"Weekly";
        m_mail = mail;
        m_sound.PlayFName = L"C:\\Sounds\\report.wav";
        lines.Add(L"Capture started");
        lines.Add(L"Saved the report");
    }
    void CopyRecords(std::vector<std::unique_ptr<SendParam>>& records) override
    {
        records.push_back(std::make_unique<InfoScFile>(m_file));
        records.push_back(std::make_unique<InfoScWeb>(m_web));
        records.push_back(std::make_unique<InfoScEmail>(m_mail));
        records.push_back(std::make_unique<InfoAudioPlaying>(m_sound));
    }
    void CopyOutputLines(CStringArray& copy) override { copy.Copy(lines); }
    void ShowOutputLine(int line, const CString& text, bool) override
    {
        shown.Format(L"line %d: %s", line, text.GetString());
    }
    void ShowRecordControl(EnumSendParam type, int page, UINT controlId, const CString& text, bool) override
    {
        shown.Format(L"type %d page %d control %u: %s", type, page, controlId, text.GetString());
    }

    CStringArray lines;
    CString shown;

private:
    InfoScFile m_file;
    InfoScWeb m_web;
    InfoScEmail m_mail;
    InfoAudioPlaying m_sound;
};

class FindDialogTest : public ScratchProfileTest
{
protected:
    void SetUp() override
    {
        ScratchProfileTest::SetUp();
        m_dialog = std::make_unique<CDlgSearch>(m_host, m_window);
        ASSERT_TRUE(m_dialog->Create(m_window));
        ShowWindow(*m_dialog, SW_SHOW);
    }
    void TearDown() override
    {
        m_dialog.reset();
        ScratchProfileTest::TearDown();
    }
    void SetOptions(bool properties, bool output, bool matchCase = false, bool wholeWord = false)
    {
        const UINT ids[] = {IDC_SEARCH_PROPERTIES, IDC_SEARCH_OUTPUT, IDC_SEARCH_MATCH_CASE, IDC_SEARCH_WHOLE_WORD};
        const bool values[] = {properties, output, matchCase, wholeWord};
        for (int i = 0; i < 4; ++i)
        {
            CheckDlgButton(*m_dialog, ids[i], values[i] ? BST_CHECKED : BST_UNCHECKED);
            ClickButton(*m_dialog, ids[i]);
        }
    }
    // Finds the text and waits for the search to end.
    void Find(const wchar_t* text)
    {
        SetDlgItemTextW(*m_dialog, IDC_SEARCH_TEXT, text);
        ClickButton(*m_dialog, IDC_SEARCH_FIND);
        ASSERT_TRUE(PumpUntil([&] { return !m_dialog->IsSearching(); }));
        PumpFor(20);
    }
    std::vector<CString> Rows()
    {
        std::vector<CString> rows;
        CListCtrlEmptyTitle& list = m_dialog->GetResultList();
        for (int i = 0; i < list.GetItemCount(); ++i)
        {
            const SearchResult& result = *m_dialog->GetResult(i);
            CString row;
            row.Format(L"%s|%s|%d|%d|%u", list.GetItemText(i, 0).GetString(), list.GetItemText(i, 1).GetString(),
                       result.type, result.page, result.controlId);
            rows.push_back(row);
        }
        return rows;
    }
    CString Status() { return m_dialog->GetStatusBar().GetText(); }

    FakeHost m_host;
    DialogHost m_window;
    RecordedBoxes m_boxes;
    std::unique_ptr<CDlgSearch> m_dialog;
};

CString Row(int type, const wchar_t* text, int page, UINT control)
{
    CString row;
    row.Format(L"%s|%s|%d|%d|%u", GetCaptureTypeFullName(type).GetString(), text, type, page, control);
    return row;
}
} // namespace

TEST_F(FindDialogTest, FixtureConfigurationGivesRowsWithPageAndControl)
{
    EXPECT_TRUE(m_dialog->IsCollapsed());
    RECT collapsed = {};
    GetWindowRect(*m_dialog, &collapsed);
    SetOptions(true, true);
    Find(L"report");
    EXPECT_FALSE(m_dialog->IsCollapsed());
    RECT grown = {};
    GetWindowRect(*m_dialog, &grown);
    EXPECT_EQ(collapsed.bottom - collapsed.top + 200, grown.bottom - grown.top);

    const std::vector<CString> expected = {Row(SP_SC_FILE, L"Report capture", 0, 1091),
                                           Row(SP_SC_FILE, L"C:\\Captures\\Report", 0, 1093),
                                           Row(SP_SC_WEB, L"report", 1, 1634),
                                           Row(SP_SC_EMAIL, L"report report", 1, 1063),
                                           Row(SP_AUDIO_PLAYING, L"C:\\Sounds\\report.wav", 0, 1322),
                                           L"Output window|Saved the report|1000|1|0"};
    EXPECT_EQ(expected, Rows()) << "A field holding the text twice gives one row; the password is not searched.";
    EXPECT_EQ(CString(L"Number of items:  6"), Status());
    EXPECT_TRUE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEARCH_FIND)));
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEARCH_STOP)));

    Find(L"2121");
    EXPECT_EQ(std::vector<CString>{Row(SP_SC_WEB, L"2121", 1, 1637)}, Rows()) << "Ports are searched as text.";
    SetOptions(true, true, false, true);
    Find(L"CAPTURES");
    EXPECT_TRUE(Rows().empty()) << "Whole words only: no word of the path is CAPTURES.";
    EXPECT_EQ(CString(L"Number of items:  0"), Status());
}

TEST_F(FindDialogTest, NothingIsSearchedForBlanksOrWithBothGroupsOff)
{
    SetOptions(false, false);
    Find(L"report");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(CString(L"Number of items:  0"), Status());
    SetOptions(true, true);
    Find(L"   ");
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEARCH_FIND)));
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEARCH_STOP)));
}

TEST_F(FindDialogTest, HistoryKeepsTenAndAllTenValuesAreWritten)
{
    SetOptions(false, false, true, false);
    for (int i = 0; i < 3; ++i)
    {
        CString text;
        text.Format(L"text %d", i);
        Find(text);
    }
    ClickButton(*m_dialog, IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(*m_dialog)) << "Close hides.";
    EXPECT_EQ(CString(L"text 2"), StoredText(L"Find", L"SearchText0"));
    EXPECT_EQ(CString(L"text 0"), StoredText(L"Find", L"SearchText2"));
    for (const wchar_t* unused : {L"SearchText3", L"SearchText9"})
        EXPECT_TRUE(ValueExists(L"Find", unused) && StoredText(L"Find", unused).IsEmpty()) << CString(unused);
    EXPECT_EQ(1, AppGetProfileInt(L"Find", L"MatchCase", 0));
    EXPECT_EQ(0, AppGetProfileInt(L"Find", L"SearchProps", 1));

    for (int i = 3; i < 11; ++i)
    {
        CString text;
        text.Format(L"text %d", i);
        Find(text);
    }
    Find(L"text 5"); // already listed: stays where it is
    HWND combo = m_dialog->GetDlgItem(IDC_SEARCH_TEXT);
    EXPECT_EQ(10, SendMessageW(combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"text 0")));
    m_dialog.reset();
    EXPECT_EQ(CString(L"text 10"), StoredText(L"Find", L"SearchText0"));
    EXPECT_EQ(CString(L"text 1"), StoredText(L"Find", L"SearchText9"));

    // The next dialog starts with that history and those options.
    CDlgSearch again(m_host, m_window);
    ASSERT_TRUE(again.Create(m_window));
    EXPECT_EQ(10, SendMessageW(again.GetDlgItem(IDC_SEARCH_TEXT), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(again, IDC_SEARCH_MATCH_CASE));
}

TEST_F(FindDialogTest, StopCloseAndDestructionEndALongSearch)
{
    for (int i = 0; i < 400000; ++i)
        m_host.lines.Add(L"a line that keeps the search busy report");
    SetOptions(false, true);
    SetDlgItemTextW(*m_dialog, IDC_SEARCH_TEXT, L"report");
    ClickButton(*m_dialog, IDC_SEARCH_FIND);
    ASSERT_TRUE(m_dialog->IsSearching());
    ClickButton(*m_dialog, IDCANCEL);
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDCANCEL))) << "Close waits for the search to stop.";
    ASSERT_TRUE(PumpUntil([&] { return !m_dialog->IsSearching(); }));
    EXPECT_TRUE(IsWindowEnabled(m_dialog->GetDlgItem(IDCANCEL))) << "Close comes back when the search ends.";
    EXPECT_TRUE(IsWindowVisible(*m_dialog));

    SetFocus(m_dialog->GetDlgItem(IDC_SEARCH_FIND));
    ClickButton(*m_dialog, IDC_SEARCH_FIND);
    ASSERT_TRUE(m_dialog->IsSearching());
    SetFocus(m_dialog->GetDlgItem(IDC_SEARCH_STOP));
    ClickButton(*m_dialog, IDC_SEARCH_STOP);
    ASSERT_TRUE(PumpUntil([&] { return !m_dialog->IsSearching(); }));
    EXPECT_LT(m_dialog->GetResultList().GetItemCount(), 400000) << "Stop ended the search early.";
    EXPECT_EQ(m_dialog->GetDlgItem(IDC_SEARCH_FIND), GetFocus());
    EXPECT_FALSE(IsWindowEnabled(m_dialog->GetDlgItem(IDC_SEARCH_STOP)));
    EXPECT_FALSE(m_dialog->GetAnimation().IsPlaying());

    ClickButton(*m_dialog, IDC_SEARCH_FIND);
    ASSERT_TRUE(m_dialog->IsSearching());
    EXPECT_TRUE(m_dialog->GetAnimation().IsPlaying());
    EXPECT_TRUE(IsWindowVisible(m_dialog->GetAnimation()));
    EXPECT_TRUE(m_dialog->GetAnimation().Open(IDR_SEARCH_ANIMATION)) << "The clip is one the control can play.";
    m_dialog.reset(); // waits for the worker, which stops between lines
}

TEST_F(FindDialogTest, DoubleClicksReachTheHost)
{
    SetOptions(true, true);
    Find(L"report");
    CListCtrlEmptyTitle& list = m_dialog->GetResultList();
    const struct
    {
        int row;
        const wchar_t* shown;
    } cases[] = {{5, L"line 1: report"}, {2, L"type 17 page 1 control 1634: report"}};
    for (const auto& c : cases)
    {
        // On the found text, which fits its cell: no title tip comes between the clicks.
        RECT item = {LVIR_LABEL, 1};
        SendMessageW(list, LVM_GETSUBITEMRECT, c.row, reinterpret_cast<LPARAM>(&item));
        MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
        const POINT point = {item.left + 10, (item.top + item.bottom) / 2};
        SetCursorPos(point.x, point.y);
        INPUT clicks[4] = {};
        for (int i = 0; i < 4; ++i)
        {
            clicks[i].type = INPUT_MOUSE;
            clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
        }
        m_host.shown.Empty();
        ASSERT_TRUE(SendInputSettled(clicks, 4));
        EXPECT_TRUE(PumpUntil([&] { return !m_host.shown.IsEmpty(); }));
        EXPECT_EQ(CString(c.shown), m_host.shown);
    }
}
