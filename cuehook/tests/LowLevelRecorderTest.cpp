// The low-level recorder that stands in for the journal-record hook: it hands real input
// to its dispatcher in the journal's form, which the playback injector types back.
#include "cuehook/CInputInjector.h"
#include "cuehook/CLowLevelRecorder.h"
#include "cuehook/tests/CuehookTestSupport.h"
#include <gtest/gtest.h>

namespace
{
std::vector<EVENTMSG> g_dispatched;

LRESULT CollectEvent(int code, LPARAM event)
{
    if (code == HC_ACTION)
        g_dispatched.push_back(*reinterpret_cast<const EVENTMSG*>(event));
    return 0;
}
} // namespace

TEST(LowLevelRecorder, RecordsInputInTheJournalFormThatPlaysBack)
{
    CTestWindow& window = TestWindow();
    g_dispatched.clear();
    CLowLevelRecorder recorder;
    ASSERT_TRUE(recorder.Install(CollectEvent));
    TapKey('Q');
    TapKey(VK_RIGHT);
    TapKey('W');
    const POINT click = window.ClickPoint();
    ClickAt(click);
    recorder.Uninstall();
    TapKey('Z'); // after the uninstall: not recorded
    ASSERT_EQ(L"qwz", window.GetText());

    std::vector<UINT> keys;
    for (const EVENTMSG& event : g_dispatched)
    {
        if (event.message == WM_KEYDOWN)
            keys.push_back(LOBYTE(event.paramL));
        if (event.message == WM_LBUTTONDOWN)
        {
            EXPECT_EQ(static_cast<UINT>(click.x), event.paramL);
            EXPECT_EQ(static_cast<UINT>(click.y), event.paramH);
        }
    }
    EXPECT_EQ(std::vector<UINT>({'Q', VK_RIGHT, 'W'}), keys);

    window.ClearText();
    window.Activate();
    CInputInjector injector;
    for (const EVENTMSG& event : g_dispatched)
    {
        injector.Inject(event);
        EXPECT_TRUE(InputSettled());
    }
    EXPECT_EQ(L"qw", window.GetText());
}
