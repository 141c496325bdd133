// The helpers the pages share: captions, combo fillers, durations, and addresses picked
// into the e-mail page.
#include "capture/pages/AddressBook.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "framework/AppModule.h"
#include "framework/AppWindowText.h"
#include "framework/CDialog.h"
#include "testing/CStringPrinter.h"

namespace
{
TEST(CaptureUiHelpersTest, CaptionsAndIconsOfTheRecordTypes)
{
    const struct
    {
        int type;
        bool properties;
        const wchar_t* caption;
        UINT icon;
    } kCases[] = {
        {1, true, L"Screen Capture - No available properties", 270},
        {5, false, L"Movie Capture - No available settings", 329},
        {6, true, L"", 0},
        {7, false, L"Screen Capture - File properties", 275},
        {17, true, L"Screen Capture - Web Server properties", 348},
        {18, true, L"Training Capture - Recording properties", 177},
        {25, true, L"Movie Capture - Playing properties", 331},
        {26, true, L"", 0},
    };
    for (const auto& c : kCases)
    {
        EXPECT_EQ(CString(c.caption), GetCaptureTypeCaption(c.type, c.properties)) << c.type;
        EXPECT_EQ(c.icon, GetCaptureTypeIconId(c.type)) << c.type;
    }
}

TEST(CaptureUiHelpersTest, EveryRecordTypesIconLoadsAndEachGroupFillsItsImageList)
{
    for (int type = 1; type <= 25; ++type)
    {
        if (type == 6)
            continue;
        const UINT id = GetCaptureTypeIconId(type);
        for (int size : {16, 32})
        {
            HANDLE icon = LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0);
            EXPECT_NE(nullptr, icon) << "type " << type << ", icon " << id << ", " << size << " pixels";
            DestroyIcon(static_cast<HICON>(icon));
        }
    }

    const struct
    {
        int group;
        bool withGroupIcon;
        int images;
    } kGroups[] = {{0, false, 5}, {1, false, 11}, {1, true, 12}, {2, false, 2}, {5, true, 3}};
    for (const auto& g : kGroups)
    {
        HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 10);
        LoadCaptureTypeIcons(images, g.group, g.withGroupIcon);
        EXPECT_EQ(g.images, ImageList_GetImageCount(images)) << "group " << g.group;
        ImageList_Destroy(images);
    }
}

class HelperWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        for (HWND& edit : m_edits)
            edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 50, 20, m_parent, nullptr, nullptr, nullptr);
        m_combo = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 200, 200, m_parent, nullptr,
                                  nullptr, nullptr);
    }
    void TearDown() override { DestroyWindow(m_parent); }
    CString ComboText(int index)
    {
        std::wstring text(256, L'\0');
        SendMessageW(m_combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
        return CString(text.c_str());
    }

    HWND m_parent = nullptr;
    HWND m_edits[3] = {};
    HWND m_combo = nullptr;
};

TEST_F(HelperWindowTest, DurationsGoIntoThreeEditsAndBack)
{
    SetDurationEditTexts(3723, m_edits[0], m_edits[1], m_edits[2]);
    EXPECT_EQ(CString(L"1"), AppGetWindowText(m_edits[0]));
    EXPECT_EQ(CString(L"2"), AppGetWindowText(m_edits[1]));
    EXPECT_EQ(CString(L"3"), AppGetWindowText(m_edits[2]));
    SetWindowTextW(m_edits[0], L"10");
    EXPECT_EQ(36123, GetDurationFromEdits(m_edits[0], m_edits[1], m_edits[2]));
}

TEST_F(HelperWindowTest, CombosHoldTheEnginesNames)
{
    FillImageTypeCombo(m_combo, 1, false, true);
    ASSERT_EQ(2, SendMessageW(m_combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CString(L"Device Independent Bitmap (DIB)"), ComboText(1));
    EXPECT_EQ(1, SendMessageW(m_combo, CB_GETCURSEL, 0, 0));

    FillSelectionTypeCombo(m_combo, 6, true);
    ASSERT_EQ(7, SendMessageW(m_combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CString(L"Active Window      Alt + PrtScr"), ComboText(5));
    EXPECT_EQ(CString(L"Desktop                 PrtScr"), ComboText(6));

    // The network lists no servers here: "(local)" only, selected for an unknown name.
    FillNetworkServerCombo(m_combo, L"farserver");
    ASSERT_EQ(1, SendMessageW(m_combo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CString(L"(local)"), ComboText(0));
    EXPECT_EQ(0, SendMessageW(m_combo, CB_GETCURSEL, 0, 0));
}

TEST(AddressBookTest, OnlySmtpAddressesArePicked)
{
    std::vector<CString> smtp;
    ExtractSmtpAddresses({L"X400:c=US;a= ;", L"smtp:ann@example.com", L"SMTP:Bob@example.com", L"Smtp:no@example.com"},
                         smtp);
    EXPECT_EQ((std::vector<CString>{L"ann@example.com", L"Bob@example.com"}), smtp);

    // One SMTP address needs no choice; several open the picker.
    EXPECT_EQ(CString(L"ann@example.com"), PickSmtpAddress(nullptr, {L"X400:x", L"SMTP:ann@example.com"}));
    CDialog::ModalHook previous = CDialog::SetModalHook([](CDialog& dialog) {
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(CString(L"b@example.com"),
              PickSmtpAddress(nullptr, {L"SMTP:c@example.com", L"SMTP:a@example.com", L"SMTP:b@example.com"}));
    CDialog::SetModalHook(previous);

    // Without MAPI (as here) the address book gives nothing and says nothing.
    EXPECT_EQ(CString(), PickAddressesFromAddressBook(nullptr, 1));
}

class EmailPickTest : public PageHostTest
{
};

TEST_F(EmailPickTest, PickedAddressesAreJoinedByOneComma)
{
    std::vector<CString> picks = {L"a@example.com", L"b@example.com", L"c@example.com"};
    size_t next = 0;
    AddressSource previous = SetAddressSource([&](HWND, int count) {
        EXPECT_EQ(1, count);
        return next < picks.size() ? picks[next++] : CString();
    });
    Show(SP_SC_EMAIL);
    CPPagePropsBase& page = *m_sheet->GetRecordPage(0);
    SetText(0, IDC_MAIL_TO, L"");
    for (int i = 0; i < 2; ++i)
        SendMessageW(page.GetDlgItem(IDC_MAIL_PICK_TO), BM_CLICK, 0, 0);
    EXPECT_EQ(CString(L"a@example.com,b@example.com"), Text(0, IDC_MAIL_TO));
    SetText(0, IDC_MAIL_TO, L"x@example.com,");
    SendMessageW(page.GetDlgItem(IDC_MAIL_PICK_TO), BM_CLICK, 0, 0);
    EXPECT_EQ(CString(L"x@example.com,c@example.com"), Text(0, IDC_MAIL_TO));
    // Nothing picked changes nothing.
    SendMessageW(page.GetDlgItem(IDC_MAIL_PICK_TO), BM_CLICK, 0, 0);
    EXPECT_EQ(CString(L"x@example.com,c@example.com"), Text(0, IDC_MAIL_TO));
    SetAddressSource(previous);
}
} // namespace
