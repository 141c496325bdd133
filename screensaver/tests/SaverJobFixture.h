#pragma once
// The saver's process tests: the picture v1.2.bmp that a real screen-saver capture job
// writes (and names as the current picture) once for the test program, the picture folder
// named as the main program names it, and the saver's settings reset for each test.
#include "runjobs/tests/JobRunSupport.h"
#include "screensaver/tests/SaverRunSupport.h"

#include <gtest/gtest.h>

namespace saver_test
{
const wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// A picture's centre colours are on the screen at the rectangle (top and bottom halves).
inline ::testing::AssertionResult ShowsPicture(const RECT& rect)
{
    const int x = (rect.left + rect.right) / 2, quarter = (rect.bottom - rect.top) / 4;
    const COLORREF top = ScreenPixel(x, rect.top + quarter), bottom = ScreenPixel(x, rect.bottom - quarter);
    if (top == kPictureTop && bottom == kPictureBottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "top 0x" << top << ", bottom 0x" << bottom;
}

// A popup of two colours at the screen's top-left, for the job to capture.
inline HWND ShowPictureWindow()
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
    EXPECT_TRUE(PumpUntil([] { return bool(ShowsPicture({0, 0, kPictureWidth, kPictureHeight})); }))
        << "The picture window did not reach the screen.";
    return window;
}

inline CString ReadImageName()
{
    wchar_t name[MAX_PATH] = L"";
    DWORD size = sizeof(name);
    RegGetValueW(HKEY_CURRENT_USER, kScreenSaverKey, L"Image", RRF_RT_REG_SZ, nullptr, name, &size);
    return name;
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

    static inline job_test::JobRun s_job;
    static inline CString s_folder;
    HWND m_parent = nullptr;
};

} // namespace saver_test
