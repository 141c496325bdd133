// The nested loop: it ends on the caller's message without dispatching it, and a WM_QUIT
// that ends it reaches the enclosing loop again, with its code, only after the caller's
// clean-up.
#include "framework/CNestedMessageLoop.h"
#include <gtest/gtest.h>

namespace
{
const UINT kEnd = WM_APP + 7;
const UINT kWork = WM_APP + 8;

bool IsEnd(const MSG& message)
{
    return message.message == kEnd;
}

// The WM_QUIT waiting in the queue, with its code; -1 when none waits.
int TakeQuitCode()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(message.wParam) : -1;
}
} // namespace

TEST(CNestedMessageLoopTest, EndsOnTheCallersMessageAndLeavesNoQuit)
{
    PostThreadMessageW(GetCurrentThreadId(), kEnd, 0, 0);
    CNestedMessageLoop loop;
    EXPECT_TRUE(loop.Run(IsEnd));
    EXPECT_FALSE(loop.HasQuit());
    MSG left;
    EXPECT_FALSE(PeekMessageW(&left, nullptr, kEnd, kEnd, PM_REMOVE)) << "the ending message is taken";
}

TEST(CNestedMessageLoopTest, QuitIsPostedAgainWithItsCodeAfterTheCleanUp)
{
    int quitDuringCleanUp = -2;
    {
        PostQuitMessage(42);
        CNestedMessageLoop loop;
        EXPECT_FALSE(loop.Run(IsEnd));
        EXPECT_TRUE(loop.HasQuit());
        EXPECT_EQ(42, loop.GetQuitCode());
        quitDuringCleanUp = TakeQuitCode();
    }
    EXPECT_EQ(-1, quitDuringCleanUp) << "the quit waits until the loop object goes";
    EXPECT_EQ(42, TakeQuitCode());
}

TEST(CNestedMessageLoopTest, MessagesBeforeTheEndAreDispatchedAndAForgottenQuitStaysGone)
{
    PostThreadMessageW(GetCurrentThreadId(), kWork, 0, 0);
    PostQuitMessage(3);
    int works = 0;
    {
        CNestedMessageLoop loop;
        loop.Run([&](const MSG& message) {
            works += message.message == kWork;
            return false;
        });
        EXPECT_EQ(3, loop.GetQuitCode());
        loop.ForgetQuit();
    }
    EXPECT_EQ(1, works);
    EXPECT_EQ(-1, TakeQuitCode());
}
