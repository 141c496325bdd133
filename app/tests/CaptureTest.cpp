// A screen capture taken from the main window with the real mouse, as a user takes one:
// holding the right button down begins the selection, a left-button drag marks the
// rectangle, and the program writes the picture, shows the outcome in its tip at the top
// right of the screen, and logs a failure to the event log and the output window.
#include "app/tests/ProfileFixture.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScSettings.h"
#include "common/CEventLog.h"
#include "common/SystemHelpers.h"
#include "testing/TestCanvas.h"
#include "testing/TestFiles.h"
#include "testing/TestFolder.h"
#include "testing/TestInput.h"

#include <algorithm>
#include <vector>

namespace app_test
{
namespace
{
const DWORD kScreenKind = 1;
const UINT kOutputId = 20000;
const wchar_t kTipClass[] = L"ZScTitleTip";
const COLORREF kSucceededColour = RGB(10, 154, 100);
const COLORREF kFailedColour = RGB(255, 0, 0);
// The size label of a running selection.
const RECT kSizeLabelPlace = {3, 3, 160, 25};

// A point right of the main window's first place, clear of the tips: a press there
// reaches no window of the program.
POINT Beside(int dx, int dy)
{
    return {GetSystemMetrics(SM_CXSCREEN) - 180 + dx, 300 + dy};
}

RECT OutcomeTipPlace()
{
    const int right = GetSystemMetrics(SM_CXSCREEN) - 3;
    return {right - 150, 3, right, 25};
}

void Press(DWORD buttonFlags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = buttonFlags;
    ASSERT_TRUE(SendInputSettled(input));
}

// A left-button drag from one point to the other, through the point halfway.
void Drag(POINT from, POINT to)
{
    ASSERT_TRUE(SendMoveToSettled(from));
    ASSERT_NO_FATAL_FAILURE(Press(MOUSEEVENTF_LEFTDOWN));
    ASSERT_TRUE(SendMoveToSettled({(from.x + to.x) / 2, (from.y + to.y) / 2}));
    ASSERT_TRUE(SendMoveToSettled(to));
    ASSERT_NO_FATAL_FAILURE(Press(MOUSEEVENTF_LEFTUP));
}

// The program's shown tip window at the place; null when there is none.
HWND ShownTip(DWORD processId, const RECT& place)
{
    for (HWND tip = FindWindowExW(nullptr, nullptr, kTipClass, nullptr); tip;
         tip = FindWindowExW(nullptr, tip, kTipClass, nullptr))
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        RECT rect = {};
        GetWindowRect(tip, &rect);
        if (owner == processId && IsWindowVisible(tip) && EqualRect(&rect, &place))
            return tip;
    }
    return nullptr;
}

// How many pixels inside the tip, as the screen shows them, differ from the text drawn
// in the colour the way the tip draws it (Arial 14 at 5, 3 on the tip background); -1
// when the tip went away meanwhile.
int TipDifference(HWND tip, const wchar_t* text, COLORREF colour)
{
    RECT inside = {};
    GetClientRect(tip, &inside);
    POINT origin = {};
    ClientToScreen(tip, &origin);
    TestCanvas shown(inside.right, inside.bottom);
    HDC screen = GetDC(nullptr);
    BitBlt(shown.dc(), 0, 0, inside.right, inside.bottom, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (!IsWindowVisible(tip))
        return -1;

    TestCanvas drawn(inside.right, inside.bottom);
    drawn.Fill(inside, GetSysColor(COLOR_INFOBK));
    HFONT font = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
    HGDIOBJ oldFont = SelectObject(drawn.dc(), font);
    SetBkMode(drawn.dc(), TRANSPARENT);
    SetTextColor(drawn.dc(), colour);
    TextOutW(drawn.dc(), 5, 3, text, lstrlenW(text));
    SelectObject(drawn.dc(), oldFont);
    DeleteObject(font);

    int differing = 0;
    for (int y = 0; y < inside.bottom; ++y)
        for (int x = 0; x < inside.right; ++x)
            differing += GetPixel(shown.dc(), x, y) != GetPixel(drawn.dc(), x, y);
    return differing;
}

// Waits until the outcome tip shows the text in the colour on the screen. It shows for
// two seconds.
::testing::AssertionResult ShowsOutcomeTip(const MainProgram& program, const wchar_t* text, COLORREF colour)
{
    const RECT place = OutcomeTipPlace();
    int lastDifference = -1;
    const bool shown = WaitFor([&] {
        HWND tip = ShownTip(program.ProcessId(), place);
        const int difference = tip ? TipDifference(tip, text, colour) : -1;
        if (difference >= 0)
            lastDifference = difference;
        return difference == 0;
    });
    if (shown)
        return ::testing::AssertionSuccess();
    if (lastDifference < 0)
        return ::testing::AssertionFailure() << "no outcome tip came; windows: " << program.Describe().GetString();
    return ::testing::AssertionFailure() << "the outcome tip last differed from \"" << CString(text).ToAnsi()
                                         << "\" in " << lastDifference << " pixels";
}

// The lines of the output window.
std::vector<CString> OutputLines(HWND output)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(output, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 10000, &length);
    std::vector<wchar_t> text(length + 1);
    SendMessageTimeoutW(output, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 10000,
                        nullptr);
    std::vector<CString> lines;
    for (const wchar_t* line = text.data(); *line;)
    {
        const wchar_t* end = wcsstr(line, L"\r\n");
        lines.push_back(end ? CString(line, static_cast<int>(end - line)) : CString(line));
        line = end ? end + 2 : line + wcslen(line);
    }
    return lines;
}

// The event texts of a screen capture failure with the error, dated at each second from
// first to last (local times).
std::vector<CString> FailureEventTexts(const SYSTEMTIME& first, const SYSTEMTIME& last, const CString& error)
{
    const ULONGLONG second = 10000000; // in the file time's 100 ns units
    auto seconds = [second](const SYSTEMTIME& time) {
        FILETIME file = {};
        SystemTimeToFileTime(&time, &file);
        return ((static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime) / second;
    };
    std::vector<CString> texts;
    for (ULONGLONG at = seconds(first); at <= seconds(last); ++at)
    {
        const ULONGLONG ticks = at * second;
        const FILETIME file = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
        SYSTEMTIME t = {};
        FileTimeToSystemTime(&file, &t);
        CString text;
        text.Format(L"%02u/%02u/%04u %02u:%02u:%02u  Vellumor  Screen  %s", t.wMonth, t.wDay, t.wYear, t.wHour,
                    t.wMinute, t.wSecond, error.GetString());
        texts.push_back(text);
    }
    return texts;
}

class CaptureTest : public ProfileFixture
{
protected:
    // The screen kind with the rectangle selection and its size label, a hold of
    // holdTimeMs, and the File destination alone, writing "shot.bmp" into the folder;
    // then the program starts and takes input.
    void StartForCapture(const CString& fileFolder, int holdTimeMs = InfoScSettings::kMinHoldTime)
    {
        InfoScSettings settings;
        settings.LoadFromRegistry();
        settings.Clear();
        settings.SetCaptureType(SCT_RECTANGLE);
        settings.SetShowSize(true);
        settings.SetHoldTime(holdTimeMs);
        settings.SetSelection(SP_SC_FILE, true);
        ASSERT_TRUE(settings.SaveToRegistry(0));
        InfoScFile file;
        file.LoadFromRegistry();
        file.FName = L"shot";
        file.FPath = fileFolder;
        file.FType = FT_BMP;
        file.Overwrite = false;
        file.ShowDlg = false;
        ASSERT_TRUE(file.SaveToRegistry(0));
        const CString common = CString(kProductKey) + L"\\Common";
        const DWORD on = 1;
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, common, L"CaptType", REG_DWORD, &kScreenKind,
                                                 sizeof kScreenKind));
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetKeyValueW(HKEY_CURRENT_USER, common, L"OptsOwErrLog", REG_DWORD, &on, sizeof on));
        ASSERT_NO_FATAL_FAILURE(StartProgram());
    }

    // Holds the right button down beside the main window until the selection has begun,
    // which its size label shows; then lets it go.
    void HoldRightButtonUntilSelecting()
    {
        ASSERT_TRUE(SendMoveToSettled(Beside(0, 0)));
        ASSERT_NO_FATAL_FAILURE(Press(MOUSEEVENTF_RIGHTDOWN));
        const bool selecting = WaitFor([&] { return ShownTip(program.ProcessId(), kSizeLabelPlace) != nullptr; });
        ASSERT_NO_FATAL_FAILURE(Press(MOUSEEVENTF_RIGHTUP));
        ASSERT_TRUE(selecting) << "no size label; windows: " << program.Describe().GetString();
    }

    // The program keeps the release of the hold from the system, so that the window under
    // the mouse, which got the press, opens no menu over the selection; the system then
    // holds the button down. Once the program has gone, a release of its own ends the
    // press for the tests that follow.
    void TearDown() override
    {
        ProfileFixture::TearDown();
        if (GetAsyncKeyState(VK_RBUTTON) < 0)
            Press(MOUSEEVENTF_RIGHTUP);
        EXPECT_FALSE(GetAsyncKeyState(VK_RBUTTON) < 0);
    }

    ProductKeyBackup backup;
    TestFolder folder;
};

TEST_F(CaptureTest, AHeldRightButtonBeginsTheSelectionAndADragWritesTheFile)
{
    ASSERT_NO_FATAL_FAILURE(StartForCapture(folder.Path()));
    ASSERT_NO_FATAL_FAILURE(HoldRightButtonUntilSelecting());
    ASSERT_NO_FATAL_FAILURE(Drag(Beside(0, 0), Beside(100, 60)));

    EXPECT_TRUE(ShowsOutcomeTip(program, L"Screen capture succeeded", kSucceededColour));
    EXPECT_TRUE(Exists(folder / L"shot.bmp"));
    const SIZE size = FirstBitmapSize(folder.Path());
    EXPECT_EQ(100, size.cx);
    EXPECT_EQ(60, size.cy);
    EXPECT_TRUE(program.Boxes().empty());
}

// With the longest hold time, a press of a second begins nothing: the drag after it
// writes no picture, while the drag after a long enough hold does. The press goes out
// unsettled, so that only the second lengthens it: however the program's polls fall, they
// find the button held at most six times, which counts 1000 ms, less than the hold time.
// Meanwhile no selection may begin.
TEST_F(CaptureTest, APressShorterThanTheHoldTimeBeginsNothing)
{
    ASSERT_NO_FATAL_FAILURE(StartForCapture(folder.Path(), InfoScSettings::kMaxHoldTime));
    ASSERT_TRUE(SendMoveToSettled(Beside(0, 0)));
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    SendInput(1, &press, sizeof press);
    const bool selecting = WaitFor([&] { return ShownTip(program.ProcessId(), kSizeLabelPlace) != nullptr; }, 1000);
    ASSERT_NO_FATAL_FAILURE(Press(MOUSEEVENTF_RIGHTUP));
    ASSERT_FALSE(selecting) << "a press of a second began a selection";
    ASSERT_NO_FATAL_FAILURE(Drag(Beside(0, 0), Beside(100, 60)));

    ASSERT_NO_FATAL_FAILURE(HoldRightButtonUntilSelecting());
    ASSERT_NO_FATAL_FAILURE(Drag(Beside(0, 0), Beside(40, 30)));

    // Input is handled in order: once the second drag's picture is there, a picture of the
    // first would be too.
    EXPECT_TRUE(ShowsOutcomeTip(program, L"Screen capture succeeded", kSucceededColour));
    const SIZE size = FirstBitmapSize(folder.Path());
    EXPECT_EQ(40, size.cx);
    EXPECT_EQ(30, size.cy);
    EXPECT_EQ(1, CountFiles(folder / L"*.bmp"));
}

// A file stands where the destination folder should be: the capture fails, the tip says
// so, the event log gets the dated text and the output window the error.
TEST_F(CaptureTest, AFailedCaptureIsLoggedAndShownInTheOutput)
{
    const CString blocked = folder / L"blocked";
    WriteBytes(blocked, std::string("not a folder"));
    ASSERT_NO_FATAL_FAILURE(StartForCapture(blocked));
    CEventLog log;
    CStringArray before;
    log.Read(nullptr, L"Vellumor", before);
    ASSERT_NO_FATAL_FAILURE(HoldRightButtonUntilSelecting());
    SYSTEMTIME started = {};
    GetLocalTime(&started);
    ASSERT_NO_FATAL_FAILURE(Drag(Beside(0, 0), Beside(100, 60)));

    EXPECT_TRUE(ShowsOutcomeTip(program, L"Screen capture failed", kFailedColour));
    CStringArray after;
    ASSERT_TRUE(WaitFor([&] {
        after.RemoveAll();
        return log.Read(nullptr, L"Vellumor", after) && after.GetSize() > before.GetSize();
    })) << log.GetErrorText().ToAnsi();
    SYSTEMTIME logged = {};
    GetLocalTime(&logged);
    ASSERT_EQ(before.GetSize() + 1, after.GetSize());
    const CString error = L"File: The specified directory (" + blocked +
                          L"\\) cannot be created. System error: " + GetSystemErrorText(ERROR_ALREADY_EXISTS) + L".";
    const CString entry = after[after.GetSize() - 1];
    const std::vector<CString> expected = FailureEventTexts(started, logged, error);
    EXPECT_TRUE(std::find(expected.begin(), expected.end(), entry) != expected.end())
        << entry.ToAnsi() << "\nexpected, at some second: " << expected.front().ToAnsi();

    HWND output = program.ChildById(kOutputId);
    std::vector<CString> lines;
    EXPECT_TRUE(WaitFor([&] {
        lines = OutputLines(output);
        return !lines.empty() && lines.back() == error;
    })) << (lines.empty() ? "no output" : lines.back().ToAnsi());
    EXPECT_TRUE(program.Boxes().empty());
}
} // namespace
} // namespace app_test
