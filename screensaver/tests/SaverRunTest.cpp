// The saver as Windows starts it: full screen (/s), as a preview in a window (/p <hwnd>)
// and the command lines that do nothing, with the picture a real screen-saver capture job
// wrote and named as the current picture.
#include "runjobs/tests/JobRunSupport.h"
#include "screensaver/tests/SaverRunSupport.h"
#include "testing/CStringPrinter.h"

#include <gtest/gtest.h>

using namespace saver_test;

namespace
{
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// A popup of two colours at the screen's top-left, for the job to capture.
HWND ShowPictureWindow()
{
    for (auto [name, colour] : {std::pair{L"VellSaverTestTop", kPictureTop}, {L"VellSaverTestBottom", kPictureBottom}})
    {
        WNDCLASSW info = {0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr,
                          CreateSolidBrush(colour), nullptr, name};
        RegisterClassW(&info);
    }
    HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VellSaverTestTop", L"", WS_POPUP, 0, 0,
                                  kPictureWidth, kPictureHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    CreateWindowExW(0, L"VellSaverTestBottom", L"", WS_CHILD | WS_VISIBLE, 0, kPictureHeight / 2, kPictureWidth,
                    kPictureHeight / 2, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    PumpFor(200);
    return window;
}

CString ReadImageName()
{
    wchar_t name[MAX_PATH] = L"";
    DWORD size = sizeof(name);
    RegGetValueW(HKEY_CURRENT_USER, kScreenSaverKey, L"Image", RRF_RT_REG_SZ, nullptr, name, &size);
    return name;
}

// A picture's centre colours are on the screen at the rectangle (top and bottom halves).
::testing::AssertionResult ShowsPicture(const RECT& rect)
{
    const int x = (rect.left + rect.right) / 2, quarter = (rect.bottom - rect.top) / 4;
    const COLORREF top = ScreenPixel(x, rect.top + quarter), bottom = ScreenPixel(x, rect.bottom - quarter);
    if (top == kPictureTop && bottom == kPictureBottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "top 0x" << top << ", bottom 0x" << bottom;
}

class SaverRunTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey);
        HWND picture = ShowPictureWindow();
        s_job = job_test::RunJob(L"-type VELLUMOR_SC -esParam 15 -escType 2 -size \"0,0,200,100\" -name v1.2 "
                                 L"-createUnique 0 -makeCurrent 1 -duration 1 -freq 1");
        DestroyWindow(picture);
        // The folder the main program names at its start.
        s_folder = TestProgramFolder() + L"\\Screen Captures\\Screen Saver";
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kScreenSaverKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegCloseKey(key);
        SetText(HKEY_LOCAL_MACHINE, L"ImgPath", s_folder);
    }
    static void TearDownTestSuite()
    {
        DeleteFileW(s_folder + L"\\v1.2.bmp");
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kScreenSaverKey, L"ImgPath");
        RegDeleteTreeW(HKEY_CURRENT_USER, kScreenSaverKey);
    }
    void SetUp() override
    {
        ASSERT_EQ(0u, s_job.exitCode);
        SetNumber(HKEY_CURRENT_USER, L"Effects", 0);
        SetNumber(HKEY_CURRENT_USER, L"OrigSize", 1);
        SetNumber(HKEY_CURRENT_USER, L"IsImagePool", 0);
    }
    void TearDown() override
    {
        SetEnvironmentVariableW(L"VELL_SCREENSAVER_MONITORS", nullptr);
        SetEnvironmentVariableW(L"VELL_SCREENSAVER_PASSWORD_LIBRARY", nullptr);
        SetEnvironmentVariableW(L"VELL_TEST_PASSWORD_VERDICT_FILE", nullptr);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"ScreenSaveUsePassword");
        if (m_parent)
            DestroyWindow(m_parent);
    }

    // The picture's rectangle, centred at its own size in the area.
    static RECT CentredIn(const RECT& area)
    {
        const int left = (area.left + area.right - kPictureWidth) / 2, top = (area.top + area.bottom - kPictureHeight) / 2;
        return RECT{left, top, left + kPictureWidth, top + kPictureHeight};
    }

    static job_test::JobRun s_job;
    static CString s_folder;
    HWND m_parent = nullptr;
};

job_test::JobRun SaverRunTest::s_job;
CString SaverRunTest::s_folder;
} // namespace

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
    SetEnvironmentVariableW(L"VELL_SCREENSAVER_PASSWORD_LIBRARY", TestProgramFolder() + L"\\VellTestPassword.cpl");
    SetEnvironmentVariableW(L"VELL_TEST_PASSWORD_VERDICT_FILE", verdict);
    const DWORD use = 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"ScreenSaveUsePassword", REG_DWORD, &use, sizeof(use));
    HANDLE asked = CreateEventW(nullptr, FALSE, FALSE, L"VellTestPasswordAsked");

    SaverProcess saver(L"s");
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
