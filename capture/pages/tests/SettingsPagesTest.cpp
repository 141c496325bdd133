// The settings sheet's pages per record type and the pages that store every change at
// once: training hot keys, selection type and the miscellaneous screen options, driven
// with real input and checked in the live settings, the movie manager's copies and the
// registry.
#include "Info/InfoScSettings.h"
#include "capture/destinations/CaptureTables.h"
#include "capture/movie/CPresentationManager.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/SettingsPagesIds.h"
#include "capture/pages/tests/PageHostFixture.h"
#include "capture/pages/tests/SettingsHostFixture.h"
#include "testing/TestInput.h"

#include <vector>

namespace
{
class SettingsPagesTest : public SettingsHostTest
{
protected:
    void SetUp() override
    {
        SettingsHostTest::SetUp();
        // The real movie manager, whose copies the pages keep in step.
        auto movie = std::make_unique<CPresentationManager>(nullptr);
        m_realMovie = movie.get();
        MakeController(nullptr, std::move(movie));
    }

    // Gives the control the focus and presses the key.
    void Press(int page, UINT id, WORD key)
    {
        SetForegroundWindow(m_host);
        SetFocus(Item(page, id));
        ASSERT_EQ(Item(page, id), GetFocus());
        PressKey(key);
    }
    void Click(int page, UINT id)
    {
        RECT rect = {};
        GetWindowRect(Item(page, id), &rect);
        // The left part of a check box is its box.
        ClickAt({rect.left + 6, (rect.top + rect.bottom) / 2});
    }
    int Selected(int page, UINT id) { return static_cast<int>(SendMessageW(Item(page, id), CB_GETCURSEL, 0, 0)); }
    bool Checked(int page, UINT id) { return SendMessageW(Item(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    static DWORD StoredHotKeys()
    {
        DWORD value = 0xFFFFFFFF, size = sizeof value;
        RegGetValueW(HKEY_CURRENT_USER, CGlobalOptions::kKey, L"CBTHotKeys", RRF_RT_REG_DWORD, nullptr, &value, &size);
        return value;
    }

    CPresentationManager* m_realMovie = nullptr;
};

INPUT Mouse(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    return input;
}

// A move to the screen point, in the absolute coordinates that no mouse speed alters.
INPUT MouseMove(POINT to)
{
    INPUT input = Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE);
    input.mi.dx = MulDiv(to.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(to.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    return input;
}

std::vector<UINT> Templates(const CPSheetCaptureSettings& sheet)
{
    std::vector<UINT> ids;
    for (int i = 0; i < sheet.GetPageCount(); ++i)
        ids.push_back(sheet.GetPage(i)->GetTemplateId());
    return ids;
}
} // namespace

TEST_F(SettingsPagesTest, EachRecordTypeHasItsPagesAndTheUsersPageIsRemembered)
{
    const std::vector<UINT> screen = {IDD_SETTS_COMMON_TIME, IDD_SETTS_SC_SEL_TYPE, IDD_SETTS_SC_MISC};
    const std::vector<UINT> training = {IDD_SETTS_COMMON_TIME, IDD_SETTS_CBT_HOT_KEYS};
    const std::vector<UINT> timeOnly = {IDD_SETTS_COMMON_TIME};
    const struct
    {
        int type;
        std::vector<UINT> pages;
    } cases[] = {
        {7, screen},      {12, screen},     {17, screen},     {18, training}, {19, training},
        {20, timeOnly},   {21, timeOnly},   {22, timeOnly},   {23, timeOnly}, {24, screen},
        {25, timeOnly},   {3, {IDD_SETTINGS_CAPTURE_TYPE}},   {26, {}},       {27, {}},
    };
    for (const auto& c : cases)
    {
        Show(c.type, static_cast<int>(c.pages.size()) - 1);
        EXPECT_EQ(c.pages, Templates(*m_sheet)) << "type " << c.type;
        EXPECT_EQ(c.type, m_sheet->GetShownType());
    }
    // The hint icon is the program's own.
    Show(18, 1);
    EXPECT_NE(nullptr, reinterpret_cast<HICON>(SendMessageW(Item(1, IDC_SETTS_HINT_ICON), STM_GETICON, 0, 0)));

    // Pages opened by the program are not remembered; one the user opens is.
    EXPECT_EQ(0, LoadActivePageIndex(24, false));
    Show(24);
    RECT tab = {};
    ASSERT_TRUE(TabCtrl_GetItemRect(m_sheet->GetTabControl(), 2, &tab));
    MapWindowPoints(m_sheet->GetTabControl(), nullptr, reinterpret_cast<POINT*>(&tab), 2);
    ClickAt({(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    EXPECT_EQ(2, m_sheet->GetActiveIndex());
    EXPECT_EQ(2, LoadActivePageIndex(24, false));
    EXPECT_EQ(0, LoadActivePageIndex(24, true)) << "The properties sheet's list is another.";
}

TEST_F(SettingsPagesTest, TheHotKeysGoToTheControllerAndComeBackOnEveryTrainingType)
{
    Show(18, 1);
    EXPECT_EQ(0, Selected(1, IDC_SETTS_CBT_HOT_KEYS));
    const RegistrySnapshot before = TakeRegistrySnapshot();
    Press(1, IDC_SETTS_CBT_HOT_KEYS, VK_END);
    EXPECT_EQ(2, m_controller->GetCBTHotKeys());
    EXPECT_EQ(2u, StoredHotKeys());
    EXPECT_EQ(std::vector<std::wstring>{L"\\Common\\CBTHotKeys"}, ChangedValues(before, TakeRegistrySnapshot()));

    for (int type : {19, 18})
    {
        Show(7, 1);
        Show(type, 1);
        EXPECT_EQ(CString(L"Ctrl + Shift + F12"), Text(1, IDC_SETTS_CBT_HOT_KEYS)) << type;
    }
}

// Movie recording shows the same pages over the same settings as a screen destination.
TEST_F(SettingsPagesTest, TheSelectionTypeIsStoredAndMirroredIntoBothManagers)
{
    const struct
    {
        int type;
        WORD key;
        int selected;
    } cases[] = {{7, VK_HOME, SCT_FREE_HAND}, {24, VK_END, SCT_DESKTOP}, {12, VK_UP, SCT_ACTIVE_WINDOW}};
    for (const auto& c : cases)
    {
        Show(c.type, 1);
        const RegistrySnapshot before = TakeRegistrySnapshot();
        Press(1, IDC_SETTS_SEL_TYPE, c.key);
        EXPECT_EQ(c.selected, Settings().Type) << c.type;
        EXPECT_EQ(c.selected, m_controller->GetScreenManager()->GetSelectionType()) << c.type;
        EXPECT_EQ(c.selected, m_realMovie->GetSelectionType()) << c.type;
        EXPECT_EQ(c.selected, StoredSettings().Type) << c.type;
        EXPECT_EQ(std::vector<std::wstring>{L"\\ScreenCapture\\SendSettings\\Type"},
                  ChangedValues(before, TakeRegistrySnapshot()))
            << c.type;
        Show(c.type == 24 ? 7 : 24, 1);
        EXPECT_EQ(c.selected, Selected(1, IDC_SETTS_SEL_TYPE)) << "A rebuilt page shows the stored choice.";
    }
}

TEST_F(SettingsPagesTest, TheMiscellaneousChoicesAreStoredAtOnce)
{
    for (int type : {24, 9})
    {
        Show(type, 2);
        const InfoScSettings old = Settings();
        const RegistrySnapshot before = TakeRegistrySnapshot();
        Press(2, IDC_SETTS_RLC, old.RLC == RLC_CTRL_SHIFT_F12 ? VK_HOME : VK_END);
        Click(2, IDC_SETTS_SHOW_SIZE);
        Click(2, IDC_SETTS_CAPTURE_CURSOR);

        const int rlc = old.RLC == RLC_CTRL_SHIFT_F12 ? RLC_CTRL_SHIFT_F9 : RLC_CTRL_SHIFT_F12;
        const InfoScSettings stored = StoredSettings();
        EXPECT_EQ(std::vector<int>({rlc, !old.ShowSize, !old.CaptCursor}),
                  std::vector<int>({Settings().RLC, Settings().ShowSize, Settings().CaptCursor}))
            << type;
        EXPECT_EQ(std::vector<int>({rlc, !old.ShowSize, !old.CaptCursor}),
                  std::vector<int>({stored.RLC, stored.ShowSize, stored.CaptCursor}))
            << type;
        EXPECT_EQ(std::vector<int>({!old.ShowSize, !old.CaptCursor}),
                  std::vector<int>({m_realMovie->GetShowSize(), m_realMovie->IsCursorCaptured()}))
            << type;
        EXPECT_EQ(3u, ChangedValues(before, TakeRegistrySnapshot()).size()) << type;

        Show(type == 24 ? 7 : 24, 2);
        EXPECT_EQ(rlc, Selected(2, IDC_SETTS_RLC));
        EXPECT_EQ(!old.ShowSize, Checked(2, IDC_SETTS_SHOW_SIZE));
        EXPECT_EQ(!old.CaptCursor, Checked(2, IDC_SETTS_CAPTURE_CURSOR));
    }
}

TEST_F(SettingsPagesTest, TheHoldTimeIsTakenWhenTheSliderIsLetGoNotFromKeys)
{
    Settings().SetHoldTime(1000);
    Show(7, 2);
    HWND slider = Item(2, IDC_SETTS_HOLD_TIME);
    EXPECT_EQ(1000, static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)));
    EXPECT_EQ(200, static_cast<int>(SendMessageW(slider, TBM_GETRANGEMIN, 0, 0)));

    const RegistrySnapshot before = TakeRegistrySnapshot();
    Press(2, IDC_SETTS_HOLD_TIME, VK_HOME);
    Press(2, IDC_SETTS_HOLD_TIME, VK_RIGHT);
    EXPECT_EQ(201, static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)));
    EXPECT_EQ(1000, Settings().HoldTime);
    EXPECT_TRUE(ChangedValues(before, TakeRegistrySnapshot()).empty());

    // A drag of the thumb past the right end.
    RECT thumb = {}, bar = {};
    SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    MapWindowPoints(slider, nullptr, reinterpret_cast<POINT*>(&thumb), 2);
    GetWindowRect(slider, &bar);
    const POINT from = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    SetCursorPos(from.x, from.y);
    const std::vector<INPUT> drag = {Mouse(MOUSEEVENTF_LEFTDOWN), MouseMove({from.x + 10, from.y}),
                                     MouseMove({bar.right + 40, from.y}), Mouse(MOUSEEVENTF_LEFTUP)};
    ASSERT_TRUE(SendInputSettled(drag.data(), static_cast<UINT>(drag.size())));
    EXPECT_EQ(2000, static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0)));
    EXPECT_EQ(2000, Settings().HoldTime);
    EXPECT_EQ(2000, StoredSettings().HoldTime);
    EXPECT_EQ(2000, m_realMovie->GetHoldTime());
}

TEST_F(SettingsPagesTest, ARightClickOnAPageOffersTheActionsExceptOnTheHotKeys)
{
    const struct
    {
        int type;
        int page;
        int menus;
    } cases[] = {{7, 0, 1}, {7, 1, 1}, {24, 2, 1}, {19, 1, 0}, {21, 0, 1}};
    for (const auto& c : cases)
    {
        Show(c.type, c.page);
        m_actionMenus = 0;
        SendMessageW(*m_sheet->GetPage(c.page), WM_RBUTTONDOWN, 0, MAKELPARAM(200, 120));
        EXPECT_EQ(c.menus, m_actionMenus) << "type " << c.type << ", page " << c.page;
    }
}
