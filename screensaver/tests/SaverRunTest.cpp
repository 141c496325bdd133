// The saver as Windows starts it: full screen (/s), as a preview in a window (/p <hwnd>)
// and the command lines that do nothing, with the picture a real screen-saver capture job
// wrote and named as the current picture.
#include "screensaver/tests/SaverJobFixture.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>

using namespace saver_test;


TEST_F(SaverRunTest, TheJobsPictureIsCurrentAndShowsCentredUntilAKeyAfterTheGuardEndsTheSaver)
{
    EXPECT_TRUE(Exists(s_folder + L"\\v1.2.bmp"));
    EXPECT_EQ(CString(L"v1.2"), ReadImageName());

    SaverProcess saver(L"/s");
    ASSERT_TRUE(saver.WaitForWindows(1));
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT picture = CentredIn(screen);
    ASSERT_TRUE(PumpUntil([&] { return (bool)ShowsPicture(picture); }));
    EXPECT_EQ(kBlack, ScreenPixel(picture.left - 5, picture.top + 10));
    EXPECT_EQ(kBlack, ScreenPixel(picture.left + 10, picture.bottom + 5));
    EXPECT_EQ(kBlack, ScreenPixel(3, 3));

    // A move right after the start falls within the guard, and the first move only
    // records the position.
    NudgeMouse();
    saver.WaitOutGuard();
    EXPECT_TRUE(saver.IsRunning());
    PressKey();
    EXPECT_EQ(0u, saver.WaitForExit());
}

TEST_F(SaverRunTest, InputOnOneOfTwoMonitorsClosesBoth)
{
    SetEnvironmentVariableW(L"VELL_SCREENSAVER_MONITORS", L"0,0,512,768;512,0,1024,768");
    SaverProcess saver(L"/S");
    ASSERT_TRUE(saver.WaitForWindows(2));
    EXPECT_TRUE(PumpUntil([&] { return (bool)ShowsPicture(CentredIn({0, 0, 512, 768})); }));
    EXPECT_TRUE(PumpUntil([&] { return (bool)ShowsPicture(CentredIn({512, 0, 1024, 768})); }));
    saver.WaitOutGuard();
    ClickAt(900, 700);
    EXPECT_EQ(0u, saver.WaitForExit());
}

TEST_F(SaverRunTest, ARefusedPasswordKeepsTheSaverRunningAndRestartsTheGuard)
{
    const CString verdict = TestRoot() + L"\\verdict.txt";
    WriteBytes(verdict, "0");
    // The saver loads "PASSWORD.CPL" by name, as on Windows; Wine has none. The stand-in is
    // put under that name beside a copy of the saver, which finds its DLLs along PATH.
    const CString saverFolder = TestRoot() + L"\\saver";
    ASSERT_TRUE(CreateDirectoryW(saverFolder, nullptr));
    ASSERT_TRUE(CopyFileW(TestProgramFolder() + L"\\VellScreenSaver.scr", saverFolder + L"\\VellScreenSaver.scr", FALSE));
    ASSERT_TRUE(CopyFileW(TestProgramFolder() + L"\\VellTestPassword.cpl", saverFolder + L"\\PASSWORD.CPL", FALSE));
    wchar_t path[32767];
    GetEnvironmentVariableW(L"PATH", path, 32767);
    SetEnvironmentVariableW(L"PATH", TestProgramFolder() + L";" + path);
    SetEnvironmentVariableW(L"VELL_TEST_PASSWORD_VERDICT_FILE", verdict);
    const DWORD use = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"ScreenSaveUsePassword", REG_DWORD, &use, sizeof(use));
    HANDLE asked = CreateEventW(nullptr, FALSE, FALSE, L"VellTestPasswordAsked");

    SaverProcess saver(L"s", saverFolder);
    ASSERT_TRUE(saver.WaitForWindows(1));
    saver.WaitOutGuard();
    PressKey();
    ASSERT_TRUE(PumpUntilSignalled(asked));
    PumpFor(500);
    EXPECT_TRUE(saver.IsRunning());

    // The refusal restarted the guard: a key at once is not even checked.
    WriteBytes(verdict, "1");
    PressKey();
    EXPECT_FALSE(PumpUntilSignalled(asked, 500));
    PumpFor(2300);
    PressKey();
    EXPECT_TRUE(PumpUntilSignalled(asked));
    EXPECT_EQ(0u, saver.WaitForExit());
    CloseHandle(asked);
}

TEST_F(SaverRunTest, APreviewFillsItsWindowIgnoresInputAndEndsWithTheWindow)
{
    // The preview host of the system's dialog: a window that leaves its child's area alone.
    WNDCLASSW host = {0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr,
                      L"VellSaverPreviewHost"};
    RegisterClassW(&host);
    m_parent = CreateWindowExW(WS_EX_TOPMOST, L"VellSaverPreviewHost", L"", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 320,
                               240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(m_parent, SW_SHOWNOACTIVATE);
    CString arguments;
    arguments.Format(L"/p %lld", static_cast<long long>(reinterpret_cast<INT_PTR>(m_parent)));
    SaverProcess saver(arguments);
    ASSERT_TRUE(PumpUntil([&] { return GetWindow(m_parent, GW_CHILD) != nullptr; }));
    // The child covers the window's client area. (Wine keeps what a window of another
    // process draws in a child off the screen; the same window drawing the picture as a
    // child is shown in this process by the window tests.)
    RECT child;
    GetWindowRect(GetWindow(m_parent, GW_CHILD), &child);
    const RECT client = {100, 100, 420, 340};
    EXPECT_TRUE(EqualRect(&client, &child));

    saver.WaitOutGuard();
    ClickAt(260, 220);
    PressKey();
    PumpFor(500);
    EXPECT_TRUE(saver.IsRunning());

    DestroyWindow(m_parent);
    m_parent = nullptr;
    EXPECT_EQ(0u, saver.WaitForExit());
}

TEST_F(SaverRunTest, CommandLinesThatAskNothingEndAtOnce)
{
    for (const wchar_t* line : {L"", L"/x", L"/a", L"/p 0"})
    {
        SaverProcess saver(line);
        ASSERT_TRUE(saver.Started());
        EXPECT_EQ(0u, saver.WaitForExit()) << CString(line).ToAnsi();
        EXPECT_TRUE(saver.Windows().empty());
    }
}
