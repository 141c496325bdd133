#include "framework/CWnd.h"
#include <gtest/gtest.h>

#include <vector>

namespace
{
const UINT kPing = WM_APP + 7;

// Records the messages the framework hands to the object.
class RecordingWnd : public CWnd
{
public:
    std::vector<UINT> received;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        received.push_back(message);
        if (message == kPing)
            return static_cast<LRESULT>(wParam + 1);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

bool Contains(const std::vector<UINT>& messages, UINT message)
{
    for (UINT m : messages)
        if (m == message)
            return true;
    return false;
}

const RECT kRect = {0, 0, 40, 30};
} // namespace

TEST(CWnd, CreateExBindsTheObjectBeforeTheFirstMessagesArrive)
{
    RecordingWnd wnd;
    CString name = AppRegisterWndClass(0);
    ASSERT_FALSE(name.IsEmpty());
    ASSERT_TRUE(wnd.CreateEx(0, name, L"t", WS_POPUP, kRect, nullptr, 0));
    HWND window = wnd.GetSafeHwnd();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(&wnd, CWnd::FromHandle(window));
    EXPECT_TRUE(Contains(wnd.received, WM_CREATE));
    EXPECT_EQ(42, SendMessageW(window, kPing, 41, 0));
}

TEST(CWnd, DestroyWindowUnbindsAndNoMessageFollows)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AppRegisterWndClass(0), L"t", WS_POPUP, kRect, nullptr, 0));
    HWND window = wnd.GetSafeHwnd();
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(nullptr, wnd.GetSafeHwnd());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, CWnd::FromHandle(window));
    EXPECT_TRUE(Contains(wnd.received, WM_DESTROY));
    EXPECT_FALSE(Contains(wnd.received, WM_NCDESTROY)); // unbound before the object could see it
    EXPECT_FALSE(wnd.DestroyWindow());
}

TEST(CWnd, DestructorDestroysAWindowStillBound)
{
    HWND window = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, AppRegisterWndClass(0), L"t", WS_POPUP, kRect, nullptr, 0));
        window = wnd.GetSafeHwnd();
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(CWnd, AWindowOfAForeignClassIsRefused)
{
    RecordingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, L"STATIC", L"t", WS_POPUP, kRect, nullptr, 0));
    EXPECT_EQ(nullptr, wnd.GetSafeHwnd());
    EXPECT_FALSE(wnd.CreateEx(0, L"NoSuchClassAnywhere", L"t", WS_POPUP, kRect, nullptr, 0));
}

TEST(CWnd, OneObjectHoldsOneWindow)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AppRegisterWndClass(0), L"t", WS_POPUP, kRect, nullptr, 0));
    HWND first = wnd.GetSafeHwnd();
    EXPECT_FALSE(wnd.CreateEx(0, AppRegisterWndClass(0), L"t", WS_POPUP, kRect, nullptr, 0));
    EXPECT_EQ(first, wnd.GetSafeHwnd());
}

TEST(CWnd, RegisteredClassesFollowTheirAttributes)
{
    HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    HBRUSH brush = GetSysColorBrush(COLOR_WINDOW);
    CString plain = AppRegisterWndClass(0);
    CString styled = AppRegisterWndClass(CS_DBLCLKS, arrow, brush);
    EXPECT_EQ(0, plain.Compare(AppRegisterWndClass(0)));
    EXPECT_NE(0, plain.Compare(styled));

    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, styled, L"t", WS_POPUP, kRect, nullptr, 0));
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), GetClassLongPtrW(wnd.GetSafeHwnd(), GCL_STYLE));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(arrow), GetClassLongPtrW(wnd.GetSafeHwnd(), GCLP_HCURSOR));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(brush), GetClassLongPtrW(wnd.GetSafeHwnd(), GCLP_HBRBACKGROUND));
}
