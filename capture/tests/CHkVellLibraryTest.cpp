// Loading HkVell.dll and resolving its functions by ordinal, the program without the
// library, and unloading it while it watches.
#include "capture/selection/CHkVellLibrary.h"
#include "capture/tests/HkVellTestSupport.h"
#include <string>

namespace
{
class CHkVellLibraryTest : public HkVellInputTest
{
};
} // namespace

TEST_F(CHkVellLibraryTest, WithoutTheLibraryEveryCallDoesNothing)
{
    CHkVellLibrary library;
    ASSERT_TRUE(library.Load()) << library.GetErrorText().ToAnsi(CP_UTF8);
    EXPECT_TRUE(library.GetErrorText().IsEmpty());

    // A failed load also frees the library loaded before.
    EXPECT_FALSE(library.Load(L"HkVellMissing.dll"));
    EXPECT_FALSE(library.IsLoaded());
    const std::string text = library.GetErrorText().ToAnsi(CP_UTF8);
    EXPECT_NE(std::string::npos, text.find("\\HkVellMissing.dll could not be loaded (error 126).")) << text;
    EXPECT_NE(std::string::npos, text.find("holding the right mouse button is not available.")) << text;

    library.HkVellStartWatch(&m_notify);
    library.HkVellStartNotify(&m_notify);
    library.HkVellSetRepeatHotKey(RLC_CTRL_SHIFT_F9);
    library.HkVellSetSelectionType(SCT_RECTANGLE);
    library.HkVellSetCapturing(true);
    library.HkVellSetSelecting(true);

    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_FALSE(library.HkVellIsRightButtonHeld());
    SendMouse(MOUSEEVENTF_RIGHTUP);
    SendMouse(MOUSEEVENTF_LEFTUP);
    TapWithControlShift(VK_F9);

    EXPECT_TRUE(m_notify.HookMouseEvents().empty());
    EXPECT_TRUE(m_notify.CaptureEnded().empty());
    EXPECT_EQ((std::vector<UINT>{WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONUP}),
              m_target.ButtonMessages());
    library.HkVellStopWatch();
    library.HkVellStopNotify();
}

TEST_F(CHkVellLibraryTest, UnloadingWhileWatchingRemovesTheHooks)
{
    {
        CHkVellLibrary library;
        ASSERT_TRUE(library.Load()) << library.GetErrorText().ToAnsi(CP_UTF8);
        library.HkVellStartWatch(&m_notify);
        library.HkVellStartNotify(&m_notify);
        library.HkVellSetCapturing(true);
        library.HkVellSetSelecting(true);
        LeftClick();
        ASSERT_EQ(kLeftClick, m_notify.HookMouseMessages());
        EXPECT_TRUE(m_target.ButtonMessages().empty());
    }
    m_notify.Clear();

    // A hook left behind would call into the freed library at the first event.
    SendMouseMove(3, 0);
    LeftClick();
    EXPECT_TRUE(m_notify.HookMouseEvents().empty());
    EXPECT_EQ(kLeftClick, m_target.ButtonMessages());

    // Loaded again, only the new hooks report: each event once.
    CHkVellLibrary library;
    ASSERT_TRUE(library.Load()) << library.GetErrorText().ToAnsi(CP_UTF8);
    library.HkVellStartWatch(&m_notify);
    library.HkVellStartNotify(&m_notify);
    library.HkVellSetCapturing(true);
    library.HkVellSetSelecting(true);
    SendMouseMove(3, 0);
    EXPECT_EQ(std::vector<UINT>{WM_MOUSEMOVE}, m_notify.HookMouseMessages());
}
