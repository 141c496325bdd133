// The properties view over a fake sheet: Save and Revert follow the sheet's edits, Save
// validates before it applies, and leaving edited pages asks first.
#include "app/AppIds.h"
#include "app/CFormVwProperties.h"
#include "framework/AppMessageBox.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
class FakeSheet : public ICapturePropertiesSheet
{
public:
    bool modified = false;
    bool valid = true;
    std::vector<CString> calls;

    bool Create(HWND, const RECT&) override { return true; }
    bool ShowPages(EnumSendParam type, int) override
    {
        CString call;
        call.Format(L"ShowPages %d", type);
        calls.push_back(call);
        return true;
    }
    bool IsModified() override { return modified; }
    bool Validate() override
    {
        calls.push_back(L"Validate");
        return valid;
    }
    bool Apply() override
    {
        calls.push_back(L"Apply");
        modified = false;
        return true;
    }
    void Reset(bool reload) override { calls.push_back(reload ? L"Reset reload" : L"Reset"); }
    void SetDisplayFlag(bool on) override { calls.push_back(on ? L"Flag on" : L"Flag off"); }
};

class CFormVwPropertiesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto fake = std::make_unique<FakeSheet>();
        sheet = fake.get();
        view.reset(new CFormVwProperties(std::move(fake), [](EnumSendParam) { return true; }));
        parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr, nullptr, nullptr);
        RECT place = {0, 0, 600, 500};
        ASSERT_TRUE(view->Create(parent, 0xE910, place));
        view->OnInitialUpdate();
        previous = AppSetMessageBoxHandler([this](const CString& text, const CString&, UINT) {
            asked.push_back(text);
            return answer;
        });
    }
    void TearDown() override
    {
        AppSetMessageBoxHandler(previous);
        view.reset();
        DestroyWindow(parent);
    }

    bool Enabled(UINT id) const { return IsWindowEnabled(view->GetDlgItem(id)) != FALSE; }
    bool Shown(UINT id) const { return (GetWindowLongW(view->GetDlgItem(id), GWL_STYLE) & WS_VISIBLE) != 0; }
    void Tick() { SendMessageW(view->GetSafeHwnd(), WM_TIMER, CFormVwProperties::kModifiedTimer, 0); }

    std::unique_ptr<CFormVwProperties> view;
    FakeSheet* sheet = nullptr;
    HWND parent = nullptr;
    std::vector<CString> asked;
    int answer = IDOK;
    MessageBoxHandler previous;
};

TEST_F(CFormVwPropertiesTest, SaveAndRevertFollowTheSheetsEditsOnTheTimer)
{
    EXPECT_FALSE(Enabled(IDC_PROPS_SAVE));
    sheet->modified = true;
    Tick();
    EXPECT_TRUE(Enabled(IDC_PROPS_SAVE));
    EXPECT_TRUE(Enabled(IDC_PROPS_REVERT));
    view->OnRevert();
    EXPECT_EQ(std::vector<CString>{L"Reset reload"}, sheet->calls);
    EXPECT_FALSE(Enabled(IDC_PROPS_SAVE));
    EXPECT_FALSE(Enabled(IDC_PROPS_REVERT));
}

TEST_F(CFormVwPropertiesTest, SaveAppliesOnlyWhatValidates)
{
    sheet->modified = true;
    Tick();
    sheet->valid = false;
    view->OnSave();
    EXPECT_EQ(std::vector<CString>{L"Validate"}, sheet->calls);
    EXPECT_TRUE(Enabled(IDC_PROPS_SAVE));
    sheet->valid = true;
    sheet->calls.clear();
    view->OnSave();
    EXPECT_EQ((std::vector<CString>{L"Validate", L"Apply"}), sheet->calls);
    EXPECT_FALSE(Enabled(IDC_PROPS_SAVE));
}

TEST_F(CFormVwPropertiesTest, LeavingEditedPagesAsksYesNoOrCancel)
{
    struct Case
    {
        int answer;
        bool shown;
        std::vector<CString> calls; // after the question
    };
    const Case cases[] = {
        // Yes stores the pages as they are, without validating them.
        {IDYES, true, {L"Apply", L"Reset", L"ShowPages 9"}},
        {IDNO, true, {L"ShowPages 9"}},
        {IDCANCEL, false, {}},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(view->ShowRecordType(SP_SC_FILE, L"File", -1, true));
        sheet->modified = true;
        sheet->calls.clear();
        asked.clear();
        answer = c.answer;
        EXPECT_EQ(c.shown, view->ShowRecordType(SP_SC_EMAIL, L"E-mail", -1, false)) << c.answer;
        ASSERT_EQ(1u, asked.size());
        EXPECT_STREQ(L"The current capture's properties have been modified. Do you want to save them?",
                     asked[0].GetString());
        EXPECT_EQ(c.calls, sheet->calls) << c.answer;
        EXPECT_EQ(c.shown ? SP_SC_EMAIL : SP_SC_FILE, view->GetRecordType()) << c.answer;
        sheet->modified = false;
    }
}

TEST_F(CFormVwPropertiesTest, CaptureKindsShowNeitherTheSwitchNorTheButtons)
{
    ASSERT_TRUE(view->ShowRecordType(SP_SCREEN_CAPTURE, L"Screen Capture", -1, true));
    for (UINT id : {IDC_PROPS_DISPLAY_FLAG, IDC_PROPS_SAVE, IDC_PROPS_REVERT})
        EXPECT_FALSE(Shown(id)) << id;
    ASSERT_TRUE(view->ShowRecordType(SP_SC_FILE, L"File", -1, true));
    for (UINT id : {IDC_PROPS_DISPLAY_FLAG, IDC_PROPS_SAVE, IDC_PROPS_REVERT})
        EXPECT_TRUE(Shown(id)) << id;
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(view->GetSafeHwnd(), IDC_PROPS_DISPLAY_FLAG));
    EXPECT_STREQ(L"File", [&] {
        wchar_t text[64] = {};
        GetWindowTextW(view->GetDlgItem(IDC_PROPS_TITLE), text, 64);
        return CString(text);
    }().GetString());
}
} // namespace
