// A found row leads to the control that shows the text: the shown one of its id (a sheet
// keeps the other pages' controls hidden), focused, with the text selected in an edit.
#include "app/CMainFrameSearchHost.h"

#include <gtest/gtest.h>

namespace
{
const UINT kField = 1091;

class FocusControlTextTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_top = CreateWindowExW(0, L"STATIC", L"pages", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_NE(nullptr, m_top);
        SetForegroundWindow(m_top);
        // Another page's control of the same id, hidden, before the shown page's.
        m_hidden = Child(m_top, L"Edit", L"report report", 0, kField);
        HWND page = Child(m_top, L"STATIC", L"", WS_VISIBLE, kField + 10);
        m_edit = Child(page, L"Edit", L"Daily Report capture", WS_VISIBLE, kField);
    }
    void TearDown() override { DestroyWindow(m_top); }

    static HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, UINT id)
    {
        return CreateWindowExW(0, windowClass, text, WS_CHILD | style, 0, 0, 200, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    static DWORD Selection(HWND edit) { return static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0)); }

    HWND m_top = nullptr;
    HWND m_hidden = nullptr;
    HWND m_edit = nullptr;
};

TEST_F(FocusControlTextTest, FocusesTheShownControlAndSelectsTheText)
{
    struct Case
    {
        const wchar_t* text;
        bool matchCase;
        DWORD selection;
    } cases[] = {
        {L"report", false, MAKELONG(6, 12)},
        {L"Report", true, MAKELONG(6, 12)},
        {L"CAPTURE", false, MAKELONG(13, 20)},
    };
    for (const Case& c : cases)
    {
        SendMessageW(m_edit, EM_SETSEL, 0, 0);
        ASSERT_TRUE(FocusControlText(m_top, kField, c.text, c.matchCase));
        EXPECT_EQ(m_edit, GetFocus());
        EXPECT_EQ(c.selection, Selection(m_edit)) << CString(c.text).ToAnsi();
    }
    SendMessageW(m_edit, EM_SETSEL, 0, 0);
    ASSERT_TRUE(FocusControlText(m_top, kField, L"report", true));
    EXPECT_EQ(static_cast<DWORD>(MAKELONG(0, 0)), Selection(m_edit)) << "With match case nothing matches.";
    EXPECT_FALSE(FocusControlText(m_top, kField + 1, L"report", false)) << "No control of that id is shown.";
}
} // namespace
