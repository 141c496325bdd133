#include "framework/CControlWnd.h"

#include "framework/AppFailure.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace
{
// A control that counts its messages and throws on WM_USER.
class CountingControl : public CControlWnd
{
public:
    int settexts = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER)
            throw std::runtime_error("a broken handler");
        if (message == WM_SETTEXT)
            ++settexts;
        return CControlWnd::WindowProc(message, wParam, lParam);
    }
};

CString g_reported;
void Remember(const CString& text)
{
    g_reported = text;
}

HWND MakeStatic()
{
    return CreateWindowExW(0, L"STATIC", L"text", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
}
} // namespace

TEST(ControlWndTest, AttachedControlPassesThroughTheObjectUntilItGoes)
{
    HWND window = MakeStatic();
    CountingControl control;
    ASSERT_TRUE(control.Attach(window));
    EXPECT_EQ(&control, CControlWnd::FromHandle(window));
    CountingControl second;
    EXPECT_FALSE(second.Attach(window)) << "A control has one object.";

    SetWindowTextW(window, L"new text");
    EXPECT_EQ(1, control.settexts);
    wchar_t text[20] = {};
    GetWindowTextW(window, text, 20);
    EXPECT_STREQ(L"new text", text) << "The control's own procedure still runs.";

    DestroyWindow(window);
    EXPECT_EQ(nullptr, control.GetSafeHwnd());
    EXPECT_EQ(nullptr, CControlWnd::FromHandle(window));
}

TEST(ControlWndTest, DetachedControlStaysAndAThrowingHandlerIsReported)
{
    HWND window = MakeStatic();
    {
        CountingControl control;
        ASSERT_TRUE(control.Attach(window));
        AppFailureReporter previous = AppSetFailureReporter(&Remember);
        SendMessageW(window, WM_USER, 0, 0);
        AppSetFailureReporter(previous);
        EXPECT_EQ(CString(L"A control's handler of message 0x0400 failed with a broken handler; the message got the "
                          L"default handling."),
                  g_reported);
    }
    EXPECT_TRUE(IsWindow(window)) << "An attached control outlives its object.";
    EXPECT_EQ(nullptr, CControlWnd::FromHandle(window));
    DestroyWindow(window);

    auto created = std::make_unique<CountingControl>();
    const RECT rect = {0, 0, 50, 20};
    ASSERT_TRUE(created->Create(L"STATIC", 0, WS_POPUP, rect, nullptr, 0, L"made"));
    HWND made = created->GetSafeHwnd();
    created.reset();
    EXPECT_FALSE(IsWindow(made)) << "A created control goes with its object.";
}
