#include "framework/CStaticLink.h"

#include "framework/CWnd.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
// The link's parent window.
class LinkParent : public CWnd
{
public:
    LinkParent()
    {
        const RECT rect = {50, 50, 450, 250};
        CreateEx(0, AppRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)),
                 L"Link test", WS_POPUP | WS_BORDER, rect, nullptr, 0);
        ShowWindow(GetSafeHwnd(), SW_SHOWNOACTIVATE);
    }
};

// A program of the system that ends at once, so that an open succeeds and leaves nothing.
CString QuickProgram()
{
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    return CString(system) + L"\\hostname.exe";
}

class StaticLinkTest : public ::testing::Test
{
protected:

    // A link of the style at the top left of the parent, painted once.
    CStaticLink& MakeLink(const wchar_t* text, DWORD style)
    {
        m_link.reset(new CStaticLink);
        const RECT rect = {10, 10, 390, 40};
        EXPECT_TRUE(m_link->Create(text, WS_CHILD | WS_VISIBLE | style, rect, m_parent, 1493));
        UpdateWindow(*m_link);
        return *m_link;
    }
    // The text colour the parent's control-colour message gives the link.
    COLORREF DrawColour()
    {
        HDC dc = GetDC(*m_link);
        SendMessageW(m_parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(m_link->GetSafeHwnd()));
        const COLORREF colour = GetTextColor(dc);
        ReleaseDC(*m_link, dc);
        return colour;
    }
    // A real click on the link.
    void Click()
    {
        RECT rect = {};
        GetWindowRect(*m_link, &rect);
        SetCursorPos(rect.left + 5, (rect.top + rect.bottom) / 2);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, input, sizeof input[0]);
    }

    LinkParent m_parent;
    std::unique_ptr<CStaticLink> m_link;
};
} // namespace

TEST_F(StaticLinkTest, ClickOpensTheOwnTextAndTheLinkStaysVisited)
{
    CStaticLink& link = MakeLink(QuickProgram(), SS_LEFT);
    EXPECT_TRUE(GetWindowLongPtrW(link, GWL_STYLE) & SS_NOTIFY) << "Drawing gave the static its click reports.";
    EXPECT_EQ(CStaticLink::kLinkColour, DrawColour());
    Click();
    ASSERT_TRUE(PumpUntil([&] { return link.IsVisited(); }));
    EXPECT_EQ(QuickProgram(), link.GetLink());
    EXPECT_EQ(CStaticLink::kVisitedColour, DrawColour());

    link.SetLink(L"Z:\\no such folder\\nothing.vellumor-none");
    link.SetLink(L""); // keeps the link
    Click();
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(link.IsVisited()) << "A failed open takes nothing back.";
    EXPECT_EQ(CStaticLink::kVisitedColour, DrawColour());
}

TEST_F(StaticLinkTest, FailedOpenLeavesTheLinkColour)
{
    CStaticLink& link = MakeLink(L"a link", SS_CENTER);
    link.SetLink(L"Z:\\no such folder\\nothing.vellumor-none");
    Click();
    PumpUntil([] { return false; }, 500);
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(CStaticLink::kLinkColour, DrawColour());
}

TEST_F(StaticLinkTest, FrameStaticKeepsItsLookAndStillOpens)
{
    CStaticLink& link = MakeLink(L"", SS_ETCHEDFRAME | SS_NOTIFY);
    link.SetLink(QuickProgram());
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), DrawColour()) << "The system's colour, not a link's.";
    Click();
    EXPECT_TRUE(PumpUntil([&] { return link.IsVisited(); }));
}

TEST_F(StaticLinkTest, HandCursorShowsOverTheLink)
{
    CStaticLink& link = MakeLink(L"a link", SS_LEFT);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link.GetSafeHwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursor(nullptr, IDC_HAND), GetCursor());
}
