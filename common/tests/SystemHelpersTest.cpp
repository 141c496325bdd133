#include "common/CMemoryDC.h"
#include "common/SystemHelpers.h"
#include "testing/TestFolder.h"
#include "testing/CStringPrinter.h"
#include "testing/TestPump.h"
#include <gtest/gtest.h>

namespace
{
CString FormatSystemText(DWORD code)
{
    wchar_t text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, 512, nullptr);
    CString result = text;
    return result.TrimRight(L"\r\n");
}
} // namespace

TEST(ErrorTexts, SystemTextsWithoutTheLineBreak)
{
    CString text = GetSystemErrorText(ERROR_ACCESS_DENIED);
    EXPECT_EQ(FormatSystemText(ERROR_ACCESS_DENIED), text);
    EXPECT_FALSE(text.IsEmpty());
    EXPECT_NE(L'\n', text[text.GetLength() - 1]);

    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetSystemErrorText(ERROR_FILE_NOT_FOUND), GetLastErrorText());
    EXPECT_TRUE(GetSystemErrorText(0x3FFF1234).IsEmpty());
}

TEST(ErrorTexts, HResultTexts)
{
    EXPECT_EQ(FormatSystemText(static_cast<DWORD>(E_ACCESSDENIED)), GetHResultText(E_ACCESSDENIED));
    EXPECT_FALSE(GetHResultText(E_ACCESSDENIED).IsEmpty());
    EXPECT_EQ(L"Unknown Error: 0x 1", GetHResultText(S_FALSE));
    EXPECT_EQ(L"Unknown Error: 0x 0", GetHResultText(S_OK));
    EXPECT_EQ(L"Unknown Error: 0x12345", GetHResultText(0x12345));
    // A failure code the system has no text for gets the error information's own.
    EXPECT_EQ(L"IDispatch error #4660", GetHResultText(static_cast<HRESULT>(0x80041434)));
}

TEST(ErrorTexts, HResultTextTakesTheFailingComponentsDescriptionOnce)
{
    ICreateErrorInfo* create = nullptr;
    ASSERT_EQ(S_OK, CreateErrorInfo(&create));
    create->SetDescription(const_cast<LPOLESTR>(L"The component's own words."));
    IErrorInfo* info = nullptr;
    create->QueryInterface(IID_PPV_ARGS(&info));
    SetErrorInfo(0, info);
    info->Release();
    create->Release();

    EXPECT_EQ(L"The component's own words.", GetHResultText(E_FAIL));
    // Nothing is left behind for the next code.
    EXPECT_EQ(FormatSystemText(static_cast<DWORD>(E_FAIL)), GetHResultText(E_FAIL));
    EXPECT_EQ(FormatSystemText(static_cast<DWORD>(E_ACCESSDENIED)), GetHResultText(E_ACCESSDENIED));
}

TEST(LaunchApplication, AMissingProgramGivesTheCodeInTheText)
{
    CString error;
    EXPECT_FALSE(LaunchApplication(nullptr, L"no_such_program_here.exe /x", error));
    EXPECT_EQ(L"There was a failure launching the application 'no_such_program_here.exe /x' calling CreateProcess "
              L"system function. System error: 2.",
              error);
}

TEST(LaunchApplication, StartsTheProcessWithoutWaiting)
{
    TestFolder folder;
    CString marker = folder / L"launched.txt";
    STARTUPINFOW startup = {sizeof(startup)};
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    CString error;
    for (STARTUPINFOW* info : {static_cast<STARTUPINFOW*>(nullptr), &startup})
    {
        DeleteFileW(marker);
        ASSERT_TRUE(LaunchApplication(info, L"cmd.exe /c echo started> \"" + marker + L"\"", error)) << error.ToAnsi();
        // The started process writes the marker on its own.
        EXPECT_TRUE(PumpUntil([&marker] { return GetFileAttributesW(marker) != INVALID_FILE_ATTRIBUTES; }));
    }
}

TEST(GetUniqueWindowClassName, SkipsNamesThatAreRegistered)
{
    WNDCLASSEXW wc = {sizeof(wc)};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    const CString base = L"VellHelpersUniqueName";

    EXPECT_EQ(base, GetUniqueWindowClassName(base));
    wc.lpszClassName = base;
    ASSERT_TRUE(RegisterClassExW(&wc));
    EXPECT_EQ(base + L"_1", GetUniqueWindowClassName(base));
    CString second = base + L"_1";
    wc.lpszClassName = second;
    ASSERT_TRUE(RegisterClassExW(&wc));
    EXPECT_EQ(base + L"_2", GetUniqueWindowClassName(base));

    UnregisterClassW(base, wc.hInstance);
    EXPECT_EQ(base, GetUniqueWindowClassName(base));
    UnregisterClassW(second, wc.hInstance);
}

namespace
{
const COLORREF kBackground = RGB(0, 200, 0);
const POINT kCursorAt = {300, 250};

// A top-most window of one colour under the mouse cursor, so the cursor drawn onto the
// display is seen against a known background.
class CursorFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = m_background;
        wc.lpszClassName = L"VellCursorBackground";
        RegisterClassW(&wc);
        m_window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                                   nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(m_window);
        SetCursorPos(kCursorAt.x, kCursorAt.y);
        SetCursor(wc.hCursor);
        UpdateWindow(m_window);
        ASSERT_TRUE(PumpUntilInFront(m_window));
        ASSERT_TRUE(PumpUntil([this] { return IsReady(); }))
            << "The window did not come to the front, painted, with a cursor over it.";
    }
    void TearDown() override
    {
        DestroyWindow(m_window);
        UnregisterClassW(L"VellCursorBackground", GetModuleHandleW(nullptr));
        DeleteObject(m_background);
    }

    // The system reports the cursor of the foreground window's thread: ready when that is
    // this window, showing a cursor, and the window is painted where the cursor goes.
    bool IsReady() const
    {
        CURSORINFO cursor = {sizeof(cursor)};
        const RECT around = {kCursorAt.x - 64, kCursorAt.y - 64, kCursorAt.x + 64, kCursorAt.y + 64};
        return GetForegroundWindow() == m_window && GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING) &&
               cursor.hCursor && CountOtherPixels(around) == 0;
    }

    // How many pixels of rect on the screen differ from the background colour. The
    // rectangle is grabbed once and read from memory.
    static int CountOtherPixels(const RECT& rect)
    {
        int width = rect.right - rect.left, height = rect.bottom - rect.top;
        HDC screen = GetDC(nullptr);
        HDC grab = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(grab, bitmap);
        BitBlt(grab, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                count += GetPixel(grab, x, y) != kBackground;
        SelectObject(grab, old);
        DeleteObject(bitmap);
        DeleteDC(grab);
        return count;
    }

    HBRUSH m_background = CreateSolidBrush(kBackground);
    HWND m_window = nullptr;
};
} // namespace

TEST_F(CursorFixture, DrawsTheCursorAndRestoresTheScreen)
{
    POINT at;
    GetCursorPos(&at);
    ASSERT_EQ(kCursorAt.x, at.x);
    CMemoryDC snapshot;
    RECT drawn = DrawMouseCursor(&snapshot);
    ASSERT_FALSE(IsRectEmpty(&drawn));
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), drawn.right - drawn.left);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), drawn.bottom - drawn.top);
    EXPECT_TRUE(PtInRect(&drawn, at));
    EXPECT_GT(CountOtherPixels(drawn), 0);

    // The snapshot was taken before the cursor was drawn.
    ASSERT_TRUE(snapshot.GetMainDC());
    EXPECT_EQ(kBackground, GetPixel(snapshot.GetMainDC(), at.x, at.y));
    RestoreScreenRect(drawn, &snapshot);
    EXPECT_EQ(0, CountOtherPixels(drawn));
}

TEST_F(CursorFixture, RestoreNeedsASnapshotAndARectangle)
{
    CMemoryDC snapshot;
    HDC screen = GetDC(nullptr);
    ASSERT_TRUE(snapshot.CreateScreenSized(screen, 255));
    ReleaseDC(nullptr, screen);
    RECT drawn = DrawMouseCursor(nullptr);
    ASSERT_FALSE(IsRectEmpty(&drawn));
    int cursorPixels = CountOtherPixels(drawn);
    ASSERT_GT(cursorPixels, 0);

    CMemoryDC withoutDC;
    RestoreScreenRect(drawn, &withoutDC);
    RestoreScreenRect(drawn, nullptr);
    RECT none = {};
    RestoreScreenRect(none, &snapshot);
    EXPECT_EQ(cursorPixels, CountOtherPixels(drawn));

    RestoreScreenRect(drawn, &snapshot);
    EXPECT_EQ(0, CountOtherPixels(drawn));
}
