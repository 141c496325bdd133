#include "common/CPersistWindowPlacement.h"
#include "testing/ScratchProfileTest.h"

#include <vector>

namespace
{
const wchar_t* const kSection = L"PersistWndSetts";

class CPersistWindowPlacementTest : public ScratchProfileTest
{
protected:
    // A top-level window with the given normal rectangle. Tests that need no visible state
    // use hidden ones: under Wine a window that was shown takes about two seconds to go.
    static HWND NewWindow(const RECT& rect, bool visible = true)
    {
        static const ATOM atom = [] {
            WNDCLASSW wc = {};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"VellPlacedWindow";
            return RegisterClassW(&wc);
        }();
        DWORD style = WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0);
        return CreateWindowExW(0, MAKEINTATOM(atom), L"Placed", style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    static RECT NormalRect(HWND window)
    {
        WINDOWPLACEMENT placement = {};
        placement.length = sizeof(placement);
        GetWindowPlacement(window, &placement);
        return placement.rcNormalPosition;
    }

    static void ExpectRect(const RECT& expected, const RECT& actual)
    {
        EXPECT_EQ(expected.left, actual.left);
        EXPECT_EQ(expected.top, actual.top);
        EXPECT_EQ(expected.right, actual.right);
        EXPECT_EQ(expected.bottom, actual.bottom);
    }

    void TearDown() override
    {
        for (HWND window : m_windows)
            DestroyWindow(window);
        ScratchProfileTest::TearDown();
    }

    HWND Track(HWND window)
    {
        m_windows.push_back(window);
        return window;
    }

    std::vector<HWND> m_windows;
};
} // namespace

TEST_F(CPersistWindowPlacementTest, ANormalWindowComesBackWhereItWas)
{
    const RECT where = {100, 120, 420, 340};
    HWND window = Track(NewWindow(where));
    CPersistWindowPlacement(window, nullptr).Save();
    EXPECT_EQ(CString(L"0,1,"), StoredText(kSection, L"WindowPos").Left(4));

    SetWindowPos(window, nullptr, 300, 200, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    CPersistWindowPlacement placement(window, nullptr);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), placement.Restore(SW_SHOWNORMAL, false, nullptr));
    ExpectRect(where, NormalRect(window));
}

TEST_F(CPersistWindowPlacementTest, AMaximisedWindowOpensMaximisedUnlessStartedMinimised)
{
    const RECT where = {60, 70, 360, 270};
    HWND first = Track(NewWindow(where));
    ShowWindow(first, SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(first));
    CPersistWindowPlacement(first, L"Main").Save();
    EXPECT_EQ(CString(L"2,3,"), StoredText(L"Main", L"WindowPos").Left(4));

    HWND again = Track(NewWindow({0, 0, 100, 100}));
    CPersistWindowPlacement placement(again, L"Main");
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), placement.Restore(SW_SHOWNORMAL, false, nullptr));
    EXPECT_TRUE(IsZoomed(again));
    ExpectRect(where, NormalRect(again));

    HWND minimised = Track(NewWindow({0, 0, 100, 100}));
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMINIMIZED),
              CPersistWindowPlacement(minimised, L"Main").Restore(SW_SHOWMINIMIZED, false, nullptr));
    EXPECT_TRUE(IsIconic(minimised));
    ExpectRect(where, NormalRect(minimised));
}

TEST_F(CPersistWindowPlacementTest, SaveWithSizeReplacesTheGivenDimensionsOnly)
{
    HWND window = Track(NewWindow({40, 50, 340, 250}, false));
    CPersistWindowPlacement placement(window, nullptr);
    placement.SaveWithSize(500, 0);
    WINDOWPLACEMENT stored;
    ASSERT_TRUE(placement.Load(stored, nullptr));
    EXPECT_EQ(0u, stored.flags);
    ExpectRect({40, 50, 540, 250}, stored.rcNormalPosition);

    placement.SaveWithSize(0, 80);
    ASSERT_TRUE(placement.Load(stored, nullptr));
    ExpectRect({40, 50, 340, 130}, stored.rcNormalPosition);
}

TEST_F(CPersistWindowPlacementTest, OnlyATextOfExactlyTenNumbersIsAPlacement)
{
    const struct
    {
        const wchar_t* stored;      // null: nothing stored
        const wchar_t* defaultText; // given to Load
        bool loads;
    } cases[] = {
        {L"0,1,-1,-1,0,0,10,20,110,220", nullptr, true},
        {nullptr, L"0,1,-1,-1,0,0,10,20,110,220", true},
        {L"0,1,-1,-1,0,0,10,20,110,220", L"garbage", true}, // the stored text wins
        {L"0,1,-1,-1,0,0,10,20,110", nullptr, false},       // nine
        {L"0,1,-1,-1,0,0,10,20,110,220,5", nullptr, false}, // eleven
        {L"0,1,-1,-1,0,0,10,20,110,x", nullptr, false},
        {nullptr, nullptr, false},
        {nullptr, L"", false},
    };
    for (const auto& c : cases)
    {
        AppWriteProfileString(kSection, L"WindowPos", c.stored);
        WINDOWPLACEMENT placement;
        bool loaded = CPersistWindowPlacement(nullptr, nullptr).Load(placement, c.defaultText);
        EXPECT_EQ(c.loads, loaded) << (c.stored ? CString(c.stored) : CString(c.defaultText)).ToAnsi();
        if (c.loads && loaded)
        {
            EXPECT_EQ(sizeof(placement), placement.length);
            EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), placement.showCmd);
            EXPECT_EQ(-1, placement.ptMinPosition.x);
            ExpectRect({10, 20, 110, 220}, placement.rcNormalPosition);
        }
    }
}

TEST_F(CPersistWindowPlacementTest, AnUnreadablePlacementLeavesTheWindowAlone)
{
    const RECT where = {30, 40, 230, 190};
    HWND window = Track(NewWindow(where, false));
    AppWriteProfileString(kSection, L"WindowPos", L"2,3,0,0,0,0,500,500,600"); // nine numbers
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL),
              CPersistWindowPlacement(window, nullptr).Restore(SW_SHOWMINIMIZED, false, nullptr));
    ExpectRect(where, NormalRect(window));
    EXPECT_FALSE(IsIconic(window));
}

TEST_F(CPersistWindowPlacementTest, RestoreOnceDoesNothingTheSecondTime)
{
    HWND window = Track(NewWindow({0, 0, 100, 100}));
    AppWriteProfileString(kSection, L"WindowPos", L"0,1,-1,-1,0,0,10,20,210,170");
    CPersistWindowPlacement placement(window, nullptr);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWNORMAL), placement.Restore(SW_SHOWNORMAL, true, nullptr));
    ExpectRect({10, 20, 210, 170}, NormalRect(window));

    SetWindowPos(window, nullptr, 300, 300, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(static_cast<UINT>(SW_SHOWMAXIMIZED), placement.Restore(SW_SHOWMAXIMIZED, true, nullptr));
    ExpectRect({300, 300, 500, 450}, NormalRect(window));
    EXPECT_FALSE(IsZoomed(window));

    placement.Restore(SW_SHOWNORMAL, false, nullptr); // without the once flag it restores again
    ExpectRect({10, 20, 210, 170}, NormalRect(window));
}

TEST_F(CPersistWindowPlacementTest, WithoutAWindowNothingIsSaved)
{
    CPersistWindowPlacement(nullptr, nullptr).Save();
    CPersistWindowPlacement(nullptr, nullptr).SaveWithSize(100, 100);
    EXPECT_FALSE(ValueExists(kSection, L"WindowPos"));
}
