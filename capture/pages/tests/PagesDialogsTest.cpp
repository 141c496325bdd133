// The pages that open dialogs or talk to other programs (database, ICQ), the capture kind
// pages, and a capture whose show-dialog flag opens the properties dialog.
#include "Info/InfoScDatabase.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScSettings.h"
#include "Info/InfoVideoRecording.h"
#include "capture/destinations/CImageDestinations.h"
#include "capture/pages/CDlgPickAddress.h"
#include "capture/pages/CDlgProperties.h"
#include "capture/pages/CDlgScDbExtraColumns.h"
#include "capture/pages/CPPagePropertiesCaptureType.h"
#include "capture/pages/CPPagePropsScDatabase.h"
#include "capture/pages/CPSheetCaptureSettings.h"
#include "capture/pages/MediaPagesIds.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "framework/AppProfile.h"
#include "framework/AppWindowText.h"
#include "framework/tests/ModalDriver.h"
#include "standins/icq/IcqApi.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"

#include <cstdlib>

namespace
{
void Click(HWND dialog, UINT id)
{
    SendMessageW(GetDlgItem(dialog, static_cast<int>(id)), BM_CLICK, 0, 0);
}

std::vector<CString> ExtraValues(const InfoScDatabase& record)
{
    CStringList names, values;
    CList<int> codes;
    record.ParseExtraColInfo(names, codes, values);
    return std::vector<CString>(values.begin(), values.end());
}

class DatabasePageTest : public PageHostTest
{
protected:
    void SetUp() override
    {
        PageHostTest::SetUp();
        MakeValid(SP_SC_DATABASE);
        Show(SP_SC_DATABASE);
        m_page = dynamic_cast<CPPagePropsScDatabase*>(m_sheet->GetRecordPage(0));
        ASSERT_NE(nullptr, m_page);
    }
    CDbColumnsListCtrl& List() { return m_page->GetColumnsList(); }
    bool Enabled(UINT id) { return IsWindowEnabled(Item(0, id)) != FALSE; }
    // What "Test" reports for a connection string.
    CString TestConnection(const CString& connect)
    {
        SetText(0, IDC_DB_CONNECTION, connect);
        MessageBoxRecorder boxes(IDOK);
        Click(*m_page, IDC_DB_TEST);
        EXPECT_EQ(1u, boxes.boxes.size());
        return boxes.boxes.empty() ? CString() : boxes.boxes[0].text;
    }
    CPPagePropsScDatabase* m_page = nullptr;
};

TEST_F(DatabasePageTest, TestReportsTheConnectionOrTheDriversText)
{
    const char* connect = std::getenv("VELL_ODBC_CONNECT");
    ASSERT_NE(nullptr, connect) << "the test runner gives the database of the odbc peer";
    EXPECT_EQ(CString(L"The connection was validated successfully."), TestConnection(CString(connect)));
    const CString failure = TestConnection(L"DRIVER=/nonexistent/libnothing.so;Database=/tmp/none.db");
    EXPECT_EQ(0, failure.Find(L"[unixODBC][Driver Manager]Can't open lib")) << failure.ToAnsi(CP_UTF8);
}

TEST_F(DatabasePageTest, EditAndDeleteFollowTheSelection)
{
    List().AddColumn({L"Second", L"Text", L"b"});
    ASSERT_EQ(2, List().GetRowCount());
    const struct
    {
        std::vector<int> selected;
        bool edit, remove;
    } kStates[] = {{{}, false, false}, {{0}, true, true}, {{0, 1}, false, true}};
    for (const auto& state : kStates)
    {
        ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
        for (int row : state.selected)
            ListView_SetItemState(List(), row, LVIS_SELECTED, LVIS_SELECTED);
        EXPECT_EQ(state.edit, Enabled(IDC_DB_EDIT)) << state.selected.size() << " rows";
        EXPECT_EQ(state.remove, Enabled(IDC_DB_DELETE)) << state.selected.size() << " rows";
    }

    // Ctrl+A in the list selects every row.
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    SetForegroundWindow(m_host);
    SetFocus(List());
    PressKey('A', {VK_CONTROL});
    EXPECT_EQ(2, List().GetSelectedCount());
    EXPECT_FALSE(Enabled(IDC_DB_EDIT));
    Click(*m_page, IDC_DB_DELETE);
    EXPECT_EQ(0, List().GetRowCount());
    EXPECT_FALSE(Enabled(IDC_DB_DELETE));
}

TEST_F(DatabasePageTest, HeaderClicksSortTheRowsAndNewRowsFollowTheOrder)
{
    List().AddColumn({L"beta", L"Text", L"3"});
    List().AddColumn({L"Alpha", L"Text", L"2"});
    const auto names = [&] {
        std::vector<CString> shown;
        for (int row = 0; row < List().GetRowCount(); ++row)
            shown.push_back(List().GetItemText(row, 0));
        return shown;
    };
    EXPECT_EQ((std::vector<CString>{L"Alpha", L"beta", L"Taken"}), names()) << "by name, letter case aside";

    // Each click lands apart from the last, so that two make no double click.
    int shift = 6;
    const auto clickHeader = [&](int column) {
        HWND header = ListView_GetHeader(List());
        RECT item = {};
        ASSERT_TRUE(Header_GetItemRect(header, column, &item));
        MapWindowPoints(header, nullptr, reinterpret_cast<POINT*>(&item), 2);
        SetForegroundWindow(m_host);
        ClickAt({(item.left + item.right) / 2 + (shift = -shift), (item.top + item.bottom) / 2});
    };
    // By value: "(AutoGenerate)" sorts before the digits; again: the other way.
    clickHeader(2);
    EXPECT_EQ((std::vector<CString>{L"Taken", L"Alpha", L"beta"}), names());
    clickHeader(2);
    EXPECT_EQ((std::vector<CString>{L"beta", L"Alpha", L"Taken"}), names());
    List().AddColumn({L"Gamma", L"Text", L"25"});
    EXPECT_EQ((std::vector<CString>{L"beta", L"Gamma", L"Alpha", L"Taken"}), names());
}

TEST_F(DatabasePageTest, AUniqueColumnAddedThroughTheDialogReachesTheRecord)
{
    ModalDriver driver([](CDialog& dialog) {
        SetDlgItemTextW(dialog, IDC_EXTRA_NAME, L"Serial");
        SetDlgItemTextW(dialog, IDC_EXTRA_VALUE, L"42");
        Click(dialog, IDC_EXTRA_UNIQUE);
        Click(dialog, IDOK);
    });
    Click(*m_page, IDC_DB_ADD);
    ASSERT_EQ(2, List().GetRowCount());
    ASSERT_TRUE(m_sheet->Save());
    const auto values = ExtraValues(static_cast<InfoScDatabase&>(Live(SP_SC_DATABASE)));
    EXPECT_EQ((std::vector<CString>{L"42(Unique)", L"(AutoGenerate)"}), values);
}

// The database page with the program's profile in the private registry, where the
// columns list keeps its widths.
class DatabaseColumnWidthsTest : public DatabasePageTest
{
protected:
    void SetUp() override
    {
        AppSetRegistryKey(L"Talvono Software");
        AppSetProfileName(L"Talvono Vellumor");
        DatabasePageTest::SetUp();
    }
    void TearDown() override
    {
        DatabasePageTest::TearDown();
        AppSetRegistryKey(nullptr);
        AppSetProfileName(nullptr);
    }
    std::vector<int> Widths()
    {
        std::vector<int> widths;
        for (int column = 0; column < 3; ++column)
            widths.push_back(ListView_GetColumnWidth(List(), column));
        return widths;
    }
    // Shows another type, then the database page again: a new page with a new list;
    // stored: widths written into the profile in between.
    void ShowAgain(const wchar_t* stored = nullptr)
    {
        Show(SP_SC_FILE);
        if (stored)
            AppWriteProfileString(L"LisColSizes", L"DbCols", stored);
        Show(SP_SC_DATABASE);
        m_page = dynamic_cast<CPPagePropsScDatabase*>(m_sheet->GetRecordPage(0));
        ASSERT_NE(nullptr, m_page);
    }
};

TEST_F(DatabaseColumnWidthsTest, WidthsTheUserChangedComeBackWithTheNextPage)
{
    EXPECT_EQ((std::vector<int>{90, 40, 220}), Widths());
    ShowAgain();
    EXPECT_EQ(CString(), AppGetProfileString(L"LisColSizes", L"DbCols")) << "default widths are not stored";

    ListView_SetColumnWidth(List(), 2, 150);
    ShowAgain();
    EXPECT_EQ((std::vector<int>{90, 40, 150}), Widths());
    EXPECT_EQ(CString(L"90,40,150"), AppGetProfileString(L"LisColSizes", L"DbCols"));

    // Widths stored for another number of columns give the defaults.
    ShowAgain(L"70,80");
    EXPECT_EQ((std::vector<int>{90, 40, 220}), Widths());
}

TEST(ExtraColumnsDialogTest, UniqueValuesAndTheirTypes)
{
    DbExtraColumn column{L"Serial", L"Integer", L"7(Unique)", false, true};
    CString shownValue;
    bool dateCanBeUnique = true;
    ModalDriver driver([&](CDialog& dialog) {
        shownValue = AppGetDlgItemText(dialog, IDC_EXTRA_VALUE);
        HWND type = GetDlgItem(dialog, IDC_EXTRA_TYPE);
        SendMessageW(type, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Date"));
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXTRA_TYPE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(type));
        dateCanBeUnique = IsDlgButtonChecked(dialog, IDC_EXTRA_UNIQUE) || IsWindowEnabled(GetDlgItem(dialog, IDC_EXTRA_UNIQUE));
        Click(dialog, IDOK);
    });
    CDlgScDbExtraColumns dialog(&column);
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(CString(L"7"), shownValue);
    EXPECT_FALSE(dateCanBeUnique);
    EXPECT_EQ(CString(L"7"), dialog.GetColumn().value);
    EXPECT_EQ(CString(L"Date"), dialog.GetColumn().typeName);
}

TEST(ExtraColumnsDialogTest, RefusesAnEmptyNameAndTheReservedWord)
{
    const struct
    {
        const wchar_t* name;
        const wchar_t* value;
        const wchar_t* message;
        UINT focus;
    } kCases[] = {{L"", L"1", L"Column name cannot be empty.", IDC_EXTRA_NAME},
                  {L"Key", L"(AutoGenerate)", L"'(AutoGenerate)' is Vellumor application's reserved word.",
                   IDC_EXTRA_VALUE}};
    for (const auto& c : kCases)
    {
        MessageBoxRecorder boxes(IDOK);
        HWND focused = nullptr;
        ModalDriver driver([&](CDialog& dialog) {
            SetDlgItemTextW(dialog, IDC_EXTRA_NAME, c.name);
            SetDlgItemTextW(dialog, IDC_EXTRA_VALUE, c.value);
            Click(dialog, IDOK);
            focused = GetFocus() == dialog.GetDlgItem(c.focus) ? GetFocus() : nullptr;
            Click(dialog, IDCANCEL);
        });
        CDlgScDbExtraColumns dialog(nullptr);
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        ASSERT_EQ(1u, boxes.boxes.size());
        EXPECT_EQ(CString(c.message), boxes.boxes[0].text);
        EXPECT_NE(nullptr, focused) << c.message;
    }
}

TEST(PickAddressDialogTest, SelectsTheSecondOfSeveralAndALoneOne)
{
    const struct
    {
        std::vector<CString> addresses;
        const wchar_t* chosen;
    } kCases[] = {{{L"zed@example.com", L"amy@example.com", L"kim@example.com"}, L"kim@example.com"},
                  {{L"solo@example.com"}, L"solo@example.com"}};
    for (const auto& c : kCases)
    {
        ModalDriver driver([](CDialog& dialog) { Click(dialog, IDOK); });
        CDlgPickAddress dialog(c.addresses);
        ASSERT_EQ(IDOK, dialog.DoModal());
        EXPECT_EQ(CString(c.chosen), dialog.GetChosenAddress());
    }
}

class KindPagesTest : public PageHostTest
{
};

TEST_F(KindPagesTest, RowsPerKindAndADoubleClickShowsTheRowsType)
{
    const struct
    {
        int kind;
        std::vector<const wchar_t*> names;
    } kKinds[] = {{1,
                   {L"Clipboard", L"Database", L"Email", L"Fax", L"File", L"Graphic Editor", L"ICQ", L"Printer",
                    L"Screen Saver", L"Wallpaper", L"Web Server"}},
                  {2, {L"Recording", L"Playing"}},
                  {3, {L"Recording", L"Playing"}},
                  {4, {L"Recording", L"Playing"}},
                  {5, {L"Recording", L"Playing"}}};
    for (const auto& kind : kKinds)
    {
        Show(kind.kind);
        HWND list = m_sheet->GetPage(0)->GetDlgItem(IDC_CAPTURE_TYPE_LIST);
        ASSERT_EQ(static_cast<int>(kind.names.size()), ListView_GetItemCount(list)) << kind.kind;
        // Every row's icon is in the list's images.
        EXPECT_EQ(ListView_GetItemCount(list), ImageList_GetImageCount(ListView_GetImageList(list, LVSIL_SMALL)));
        for (int row = 0; row < ListView_GetItemCount(list); ++row)
        {
            wchar_t text[64] = {};
            ListView_GetItemText(list, row, 0, text, 64);
            EXPECT_STREQ(kind.names[static_cast<size_t>(row)], text);
        }
    }

    // Beside the two rows of a recording kind nothing happens.
    Show(3);
    HWND list = m_sheet->GetPage(0)->GetDlgItem(IDC_CAPTURE_TYPE_LIST);
    RECT client = {};
    GetClientRect(list, &client);
    POINT below = {client.right / 2, client.bottom - 4};
    ClientToScreen(list, &below);
    SetForegroundWindow(m_host);
    ClickAt(below, true);
    EXPECT_TRUE(m_selectedTypes.empty());

    // On "Clipboard" the host shows its pages.
    Show(1);
    list = m_sheet->GetPage(0)->GetDlgItem(IDC_CAPTURE_TYPE_LIST);
    RECT row = {};
    ASSERT_TRUE(ListView_GetItemRect(list, 0, &row, LVIR_LABEL));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&row), 2);
    ClickAt({(row.left + row.right) / 2, (row.top + row.bottom) / 2}, true);
    EXPECT_EQ(std::vector<EnumSendParam>{SP_SC_CLIPBOARD}, m_selectedTypes);
    EXPECT_EQ(SP_SC_CLIPBOARD, m_sheet->GetShownType());
}

TEST_F(KindPagesTest, SettingsPageOfEachKindSaysItHasNone)
{
    const wchar_t* const kCaptions[] = {
        L"Screen Capture - No available settings", L"Training Capture - No available settings",
        L"Audio Capture - No available settings", L"Video Capture - No available settings",
        L"Movie Capture - No available settings"};
    CPSheetCaptureSettings settings;
    for (int kind = 1; kind <= 5; ++kind)
    {
        settings.ShowPages(kind, 0, true);
        if (!settings.GetSafeHwnd())
        {
            ASSERT_TRUE(settings.Create(m_host));
        }
        ASSERT_EQ(1, settings.GetPageCount());
        EXPECT_EQ(CString(kCaptions[kind - 1]), AppGetDlgItemText(*settings.GetPage(0), IDC_CAPTURE_TYPE_TEXT));
    }
    // Movie recording and playing: the kind of their settings.
    EXPECT_EQ(5, CPSheetCaptureSettings::GetSettingsKind(24));
    EXPECT_EQ(0, CPSheetCaptureSettings::GetSettingsKind(26));
}

// The ICQ client's contact list, in a folder of the test's own.
class IcqPageTest : public PageHostTest
{
protected:
    void SetUp() override
    {
        SetEnvironmentVariableW(kIcqClientFolderVariable, m_client.Path());
        WriteContact(L"Client", L"Running", L"1");
        AddUser(1001, L"Ann");
        PageHostTest::SetUp();
    }
    void TearDown() override
    {
        PageHostTest::TearDown();
        SetEnvironmentVariableW(kIcqClientFolderVariable, nullptr);
    }
    void WriteContact(const wchar_t* section, const wchar_t* key, const wchar_t* value)
    {
        WritePrivateProfileStringW(section, key, value, m_client / L"Contacts.ini");
    }
    void AddUser(int uin, const wchar_t* name)
    {
        CString section;
        section.Format(L"User %d", uin);
        WriteContact(section, L"Nickname", name);
        WriteContact(section, L"FirstName", name);
    }
    TestFolder m_client;
};

TEST_F(IcqPageTest, AContactListEditReachesTheShownPage)
{
    Show(SP_SC_ICQ);
    HWND users = Item(0, IDC_ICQ_USER);
    ASSERT_EQ(1, ComboBox_GetCount(users));
    AddUser(1002, L"Bob");
    EXPECT_TRUE(PumpUntil([&] { return ComboBox_GetCount(users) == 2; }));

    // Choosing a contact writes it into the page's copy at once.
    ComboBox_SetCurSel(users, ComboBox_FindStringExact(users, -1, L"1002"));
    SendMessageW(*m_sheet->GetRecordPage(0), WM_COMMAND, MAKEWPARAM(IDC_ICQ_USER, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(users));
    auto* edited = static_cast<InfoScIcq*>(m_sheet->GetRecordPage(0)->GetRecord());
    EXPECT_EQ(1002, edited->UID);
    EXPECT_EQ(CString(L"Bob"), edited->FirstName);
}

// A file capture whose show-dialog flag is on, through the manager of the host.
class PropertiesDialogTest : public PageHostTest
{
protected:
    void SetUp() override
    {
        PageHostTest::SetUp();
        InfoScSettings& settings = *m_manager->GetSettings();
        settings.File = true;
        settings.Type = SCT_DESKTOP;
        MakeValid(SP_SC_FILE);
        auto& file = static_cast<InfoScFile&>(Live(SP_SC_FILE));
        file.ShowDlg = true;
        file.FType = FT_BMP;
        file.Overwrite = true;
        file.SaveToRegistry(0);
    }
    bool Exists(const wchar_t* name) { return GetFileAttributesW(m_folder / name) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(PropertiesDialogTest, ANameTypedInTheDialogNamesThePictureOnly)
{
    const RegistrySnapshot before = TakeRegistrySnapshot();
    ModalDriver driver([](CDialog& dialog) {
        auto& properties = static_cast<CDlgProperties&>(dialog);
        EXPECT_EQ(CString(L"Screen Capture - File"), AppGetDlgItemText(dialog, IDC_PROPERTIES_NAME));
        CPPagePropsBase* page = properties.GetSheet().GetRecordPage(0);
        ASSERT_NE(nullptr, page);
        TypeInto(page->GetDlgItem(IDC_FILE_NAME), L"Typed");
        Click(dialog, IDOK);
    });
    m_manager->CaptureDesktopWindow();
    EXPECT_EQ(1, m_dialogs.propertiesAsked);
    EXPECT_TRUE(Exists(L"Typed.bmp"));
    EXPECT_FALSE(Exists(L"Shot.bmp"));
    EXPECT_EQ(CString(L"Shot"), static_cast<InfoScFile&>(Live(SP_SC_FILE)).FName);
    EXPECT_EQ(std::vector<std::wstring>{}, ChangedValues(before, TakeRegistrySnapshot()));
}

TEST_F(PropertiesDialogTest, CancelCapturesNothing)
{
    ModalDriver driver([](CDialog& dialog) { Click(dialog, IDCANCEL); });
    m_manager->CaptureDesktopWindow();
    EXPECT_EQ(1, m_dialogs.propertiesAsked);
    EXPECT_FALSE(Exists(L"Shot.bmp"));
}
// The dialog of a video recording joins its three pages into the record the recording
// runs with; the live record and the stored settings stay as they were (opening on a page
// is not the user's choice of it).
TEST_F(PageHostTest, ThePropertiesDialogJoinsTheRecordOfAVideoRecording)
{
    MakeValid(SP_VIDEO_RECORDING);
    auto& live = static_cast<InfoVideoRecording&>(Live(SP_VIDEO_RECORDING));
    InfoVideoRecording working(live);
    const InfoVideoRecording before(live);
    const RegistrySnapshot registry = TakeRegistrySnapshot();
    ModalDriver driver([](CDialog& dialog) {
        CPSheetCaptureProperties& sheet = static_cast<CDlgProperties&>(dialog).GetSheet();
        ASSERT_EQ(3, sheet.GetPageCount());
        SetWindowTextW(sheet.GetRecordPage(0)->GetDlgItem(IDC_VIDEO_REC_NAME), L"Joined");
        SetWindowTextW(sheet.GetRecordPage(1)->GetDlgItem(IDC_VIDEO_FRAME_RATE), L"25");
        SendMessageW(sheet.GetRecordPage(2)->GetDlgItem(IDC_VIDEO_AUDIO), BM_SETCHECK, BST_UNCHECKED, 0);
        Click(dialog, IDOK);
    });

    ASSERT_EQ(IDOK, EditCaptureProperties(working, m_host));
    EXPECT_EQ(CString(L"Joined"), working.RecFName);
    EXPECT_EQ(25, working.RecFramesRate);
    EXPECT_FALSE(working.RecAudio);
    EXPECT_EQ(before.RecAudioInputDevice, working.RecAudioInputDevice);
    EXPECT_EQ(before.RecVideoDevice, working.RecVideoDevice);
    EXPECT_TRUE(before == live);
    EXPECT_EQ(std::vector<std::wstring>{}, ChangedValues(registry, TakeRegistrySnapshot()));
}
} // namespace
