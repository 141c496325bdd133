// The framework's blocking socket: its receive time-out, and that waiting dispatches no
// window messages.
#include "framework/CSocket.h"
#include "testing/ScriptedSmtpServer.h"
#include <gtest/gtest.h>

namespace
{
int g_dispatched = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP)
        ++g_dispatched;
    return DefWindowProcW(window, message, wParam, lParam);
}
} // namespace

TEST(CSocket, ReceiveTimesOutWithoutDispatchingWindowMessages)
{
    ASSERT_TRUE(AppSocketsInit());
    ScriptedSmtpServer silent;
    silent.SetGreeting({});
    silent.Start();

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CSocketTestWindow";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowW(L"CSocketTestWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(nullptr, window);
    PostMessageW(window, WM_APP, 0, 0);

    {
        CSocket socket;
        ASSERT_TRUE(socket.Create());
        ASSERT_TRUE(socket.SetReceiveTimeout(200));
        ASSERT_TRUE(socket.Connect(L"127.0.0.1", silent.Port()));
        char byte;
        EXPECT_EQ(SOCKET_ERROR, socket.Receive(&byte, 1));
        EXPECT_EQ(WSAETIMEDOUT, WSAGetLastError());
    }
    EXPECT_EQ(0, g_dispatched);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, window, WM_APP, WM_APP, PM_REMOVE));
    DestroyWindow(window);
}
