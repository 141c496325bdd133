#include "capture/selection/CWndTransparentScSelection.h"

#include "capture/tests/SelectionTestSupport.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>
#include <memory>

using namespace selection_test;

namespace
{
const DWORD kScriptLimitMs = 10000;
const DWORD kEndLimitMs = 3000;

// A plain top-level framework window: the main window to restore or the dialog to show.
class PlainWindow : public CWnd
{
public:
    PlainWindow()
    {
        const RECT rect{600, 500, 800, 650};
        CreateEx(0, AppRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_WINDOW)), L"Selection test",
                 WS_OVERLAPPEDWINDOW, rect, nullptr, 0);
    }
};

// The windows to restore and show are kept for the whole suite (Wine takes a while to
// destroy a shown window).
class SelectionTest : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_restore = new PlainWindow;
        s_show = new PlainWindow;
    }
    static void TearDownTestSuite()
    {
        delete s_restore;
        delete s_show;
    }

protected:
    SelectionTest() : m_restore(*s_restore), m_show(*s_show) {}
    void SetUp() override
    {
        m_edit = CreateWindowExW(0, L"EDIT", L"old text", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(m_show, SW_HIDE);
        ShowWindow(m_restore, SW_SHOWMINNOACTIVE);
        ASSERT_TRUE(PumpUntil([this] { return IsIconic(m_restore) != FALSE; }));
    }
    void TearDown() override { DestroyWindow(m_edit); }

    // A selection window of type, created over the desktop, restoring and showing the
    // fixture's windows at the end.
    std::unique_ptr<CWndTransparentScSelection> Open(EnumScreenCaptureType type)
    {
        auto selection = std::make_unique<CWndTransparentScSelection>(type);
        EXPECT_TRUE(selection->Create(m_restore, m_show, m_edit, true, true));
        // Input goes to it once it is the active window in front.
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == *selection; }));
        return selection;
    }

    // Plays the script and waits for the window to end; true when it ended.
    static bool PlayToEnd(CWndTransparentScSelection& selection, InputScript& script)
    {
        EXPECT_TRUE(script.Play(kScriptLimitMs));
        return PumpUntil([&] { return !IsWindow(selection); }, kEndLimitMs);
    }

    CString EditText() const
    {
        wchar_t text[256] = {};
        GetWindowTextW(m_edit, text, 256);
        return text;
    }

    HWND m_edit = nullptr;
    PlainWindow& m_restore;
    PlainWindow& m_show;

private:
    static PlainWindow* s_restore;
    static PlainWindow* s_show;
};

PlainWindow* SelectionTest::s_restore = nullptr;
PlainWindow* SelectionTest::s_show = nullptr;

COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}
} // namespace

TEST_F(SelectionTest, CoversTheDesktopWithTheMouseTakenForFreeHandOnly)
{
    auto freeHand = Open(SCT_FREE_HAND);
    RECT rect;
    GetWindowRect(*freeHand, &rect);
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    EXPECT_EQ(desktop.left - 1, rect.left);
    EXPECT_EQ(desktop.top - 1, rect.top);
    EXPECT_EQ(desktop.right + 1, rect.right);
    EXPECT_EQ(desktop.bottom + 1, rect.bottom);
    POINT origin{0, 0};
    ClientToScreen(*freeHand, &origin);
    EXPECT_EQ(0, origin.x); // the point text is in screen coordinates
    EXPECT_EQ(0, origin.y);
    wchar_t title[100] = {};
    GetWindowTextW(*freeHand, title, 100);
    EXPECT_STREQ(L"Vellumor - Select the shape you want", title);
    EXPECT_TRUE(IsWindowVisible(*freeHand));
    EXPECT_EQ(freeHand->GetSafeHwnd(), GetCapture());
    freeHand.reset();

    auto rectangle = Open(SCT_RECTANGLE);
    EXPECT_NE(rectangle->GetSafeHwnd(), GetCapture());
}

TEST_F(SelectionTest, FreeHandDragDrawsRedLinesAndWritesEveryPoint)
{
    auto selection = Open(SCT_FREE_HAND);
    COLORREF onLine = 0;
    InputScript script({MoveTo(100, 100), Mouse(MOUSEEVENTF_LEFTDOWN), MoveTo(160, 100), MoveTo(160, 180),
                        [&] { onLine = ScreenPixel(130, 100); }, Mouse(MOUSEEVENTF_LEFTUP)});
    ASSERT_TRUE(PlayToEnd(*selection, script));
    EXPECT_EQ(RGB(255, 0, 0), onLine);
    EXPECT_EQ(CString(L"100,100,160,100,160,180"), EditText());
    EXPECT_FALSE(IsIconic(m_restore));
    EXPECT_TRUE(IsWindowVisible(m_show));
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(SelectionTest, RubberBandGivesTheNormalisedCornersInEitherDirection)
{
    struct Case
    {
        EnumScreenCaptureType type;
        POINT from, to;
    };
    const Case cases[] = {{SCT_RECTANGLE, {400, 300}, {150, 120}}, // bottom-right to top-left
                          {SCT_ELLIPSE, {150, 120}, {400, 300}},
                          {SCT_RECTANGLE, {150, 300}, {400, 120}}};
    for (const Case& c : cases)
    {
        auto selection = Open(c.type);
        InputScript script({MoveTo(c.from.x, c.from.y), Mouse(MOUSEEVENTF_LEFTDOWN),
                            MoveTo((c.from.x + c.to.x) / 2, (c.from.y + c.to.y) / 2), MoveTo(c.to.x, c.to.y),
                            Mouse(MOUSEEVENTF_LEFTUP)});
        ASSERT_TRUE(PlayToEnd(*selection, script)) << c.type;
        EXPECT_EQ(CString(L"150,120,400,300"), EditText()) << c.type;
    }
}

TEST_F(SelectionTest, PolygonEndsOnADoubleClickOnlyWithThreePointsOrMore)
{
    auto selection = Open(SCT_POLYGON);
    // The clicks carry times already past, a double click's time and one apart or
    // together: only those times tell a double click.
    const DWORD slow = GetDoubleClickTime() + 1;
    const DWORD start = GetTickCount() - 3 * slow;
    InputScript script(ClickAt(200, 200, start));
    script.Add(ClickAt(200, 200, start)); // a double click on the second point
    ASSERT_TRUE(script.Play(kScriptLimitMs));
    PumpFor(100);
    ASSERT_TRUE(IsWindow(*selection));
    EXPECT_EQ(2, selection->GetPoints().GetSize());
    EXPECT_EQ(CString(L"old text"), EditText());

    InputScript more(ClickAt(400, 200, start + slow));
    more.Add(ClickAt(300, 400, start + 2 * slow));
    more.Add(ClickAt(300, 400, start + 2 * slow)); // a double click on the fourth point
    ASSERT_TRUE(PlayToEnd(*selection, more));
    EXPECT_EQ(CString(L"200,200,200,200,400,200,300,400,300,400"), EditText());
}

TEST_F(SelectionTest, WindowSelectionGivesTheClickedPoint)
{
    auto selection = Open(SCT_WINDOW);
    InputScript script(ClickAt(321, 234));
    ASSERT_TRUE(PlayToEnd(*selection, script));
    EXPECT_EQ(CString(L"321,234"), EditText());
}

TEST_F(SelectionTest, RightButtonAtOnceEndsWithNoPointsAndTheWindowsBack)
{
    auto selection = Open(SCT_POLYGON);
    InputScript script({MoveTo(300, 300), Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)});
    ASSERT_TRUE(PlayToEnd(*selection, script));
    EXPECT_EQ(CString(L""), EditText());
    EXPECT_FALSE(IsIconic(m_restore));
    EXPECT_TRUE(IsWindowVisible(m_show));
}

TEST_F(SelectionTest, AClickWithoutADragKeepsTheRubberBandWindowOpen)
{
    auto selection = Open(SCT_ELLIPSE);
    InputScript script(ClickAt(150, 120));
    ASSERT_TRUE(script.Play(kScriptLimitMs));
    PumpFor(100);
    EXPECT_TRUE(IsWindow(*selection));
    EXPECT_EQ(CString(L"old text"), EditText());

    InputScript cancel({Mouse(MOUSEEVENTF_RIGHTDOWN), Mouse(MOUSEEVENTF_RIGHTUP)});
    ASSERT_TRUE(PlayToEnd(*selection, cancel));
    EXPECT_EQ(CString(L""), EditText());
}
