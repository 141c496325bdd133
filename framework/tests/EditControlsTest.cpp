#include "framework/AppMessageBox.h"
#include "framework/AppWindowText.h"
#include "framework/CNumberEdit.h"
#include "framework/CTtEdit.h"
#include "ControlsTestSupport.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>

namespace
{
class NumberEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_previous = AppSetMessageBoxHandler([this](const CString& text, const CString&, UINT type) {
            m_boxes.push_back(text);
            m_boxTypes.push_back(type);
            return IDOK;
        });
        const RECT rect = {10, 10, 200, 34};
        ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rect, m_host, 101));
        ASSERT_TRUE(m_other.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{10, 50, 200, 74}, m_host, 102));
        m_edit.SetType(CNumberEdit::kUnsigned16);
        m_edit.SetMax(1e9);
        SetFocus(m_edit);
    }
    void TearDown() override { AppSetMessageBoxHandler(m_previous); }

    void SetText(const wchar_t* text, int caret)
    {
        SetWindowTextW(m_edit, text);
        m_edit.SetSel(caret, caret);
    }
    CString Text() { return AppGetWindowText(m_edit); }
    void Paste(const wchar_t* text)
    {
        ASSERT_TRUE(OpenClipboard(m_host));
        EmptyClipboard();
        const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        memcpy(GlobalLock(memory), text, bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        m_edit.Paste();
    }

    ControlHost m_host;
    CNumberEdit m_edit;
    CEdit m_other;
    std::vector<CString> m_boxes;
    std::vector<UINT> m_boxTypes;
    MessageBoxHandler m_previous;
};
} // namespace

TEST_F(NumberEditTest, TypeLimitsApplyWhenSet)
{
    EXPECT_EQ(65535.0, m_edit.GetMax());
    CNumberEdit edit;
    edit.SetMin(-3);
    edit.SetMax(5e9);
    EXPECT_EQ(-3.0, edit.GetMin()) << "Type 0 keeps its range.";
    edit.SetType(CNumberEdit::kUnsigned32);
    EXPECT_EQ(0.0, edit.GetMin());
    EXPECT_EQ(4294967295.0, edit.GetMax());
    edit.SetMax(7e9);
    EXPECT_EQ(4294967295.0, edit.GetMax());
}

TEST_F(NumberEditTest, TypingPastTheMaximumShowsTheRangeAndKeepsTheText)
{
    SetText(L"6553", 4);
    ASSERT_TRUE(TypeTextSettled(L"6"));
    EXPECT_EQ(CString(L"6553"), Text());
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(CString(L"The value for this field should be between 0 and 65535. Please correct."), m_boxes[0]);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), m_boxTypes[0] & MB_ICONMASK);
    EXPECT_EQ(m_edit.GetSafeHwnd(), GetFocus());

    ASSERT_TRUE(TypeTextSettled(L"5x-"));
    EXPECT_EQ(CString(L"65535"), Text()) << "Digits within the range pass, other characters do not.";
    EXPECT_EQ(1u, m_boxes.size());
}

TEST_F(NumberEditTest, ZeroMayNotLead)
{
    struct Case
    {
        const wchar_t* text;
        int caret;
        bool accepted;
    } cases[] = {{L"", 0, true}, {L"12", 0, false}, {L"0", 1, false}, {L"00", 2, false},
                 {L"10", 2, true}, {L"102", 1, true}, {L"12", -1, true}};
    for (const Case& c : cases)
        EXPECT_EQ(c.accepted, m_edit.IsCharAcceptable(c.text, L'0', c.caret)) << CString(c.text) << " at " << c.caret;

    SetText(L"7", 0);
    ASSERT_TRUE(TypeTextSettled(L"0"));
    EXPECT_EQ(CString(L"7"), Text());
}

TEST_F(NumberEditTest, PastedTextThatIsNoNumberGivesBackTheLastOne)
{
    SetText(L"123", 3);
    m_edit.SetSel(0, -1);
    Paste(L"12ab");
    EXPECT_EQ(CString(L"123"), Text());
    m_edit.SetSel(0, -1);
    Paste(L"0042");
    EXPECT_EQ(CString(L"123"), Text());
    m_edit.SetSel(0, -1);
    Paste(L"70000");
    EXPECT_EQ(CString(L"123"), Text());
    EXPECT_EQ(1u, m_boxes.size()) << "A pasted number past the maximum names the range.";
    m_edit.SetSel(0, -1);
    Paste(L"8080");
    EXPECT_EQ(CString(L"8080"), m_edit.GetLastAccepted());
}

TEST_F(NumberEditTest, EmptiedFieldTakesBackItsNumberOnLosingTheFocus)
{
    SetText(L"42", 2);
    m_edit.SetSel(0, -1);
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_BACK;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_TRUE(SendInputSettled(keys, 2));
    EXPECT_EQ(CString(L""), Text()) << "Empty while being typed.";
    SetFocus(m_other);
    EXPECT_EQ(CString(L"42"), Text());
    EXPECT_TRUE(m_boxes.empty());
}

TEST(TtEditTest, CutTextShowsItsTipWhenTheMouseRests)
{
    ControlHost host;
    CTtEdit edit;
    const wchar_t text[] = L"A text far wider than the narrow edit that holds it";
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, RECT{10, 10, 90, 34}, host, 101));
    SetWindowTextW(edit, text);
    SetFocus(edit);
    POINT point = {40, 12};
    ClientToScreen(edit, &point);
    ASSERT_TRUE(MoveMouseTo(point));
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(edit.GetTitleTip()) != FALSE; }));
    EXPECT_EQ(CString(L" ") + text, AppGetWindowText(edit.GetTitleTip()));
    ASSERT_TRUE(MoveMouseTo(POINT{point.x, point.y + 200}));
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(edit.GetTitleTip()); }));

    SetWindowTextW(edit, L"fits");
    ASSERT_TRUE(MoveMouseTo(point));
    PumpFor(1000);
    EXPECT_FALSE(IsWindowVisible(edit.GetTitleTip()));
}
