#include "capture/destinations/CImageClipboard.h"
#include "capture/tests/CaptureTestSupport.h"
#include "common/SystemHelpers.h"
#include "testing/TestChild.h"
#include "testing/TestPump.h"
#include "framework/AppMainWnd.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <cstdio>
#include <string>

using namespace capture_test;
using screen_test::ColourWindow;
using screen_test::Pixels;
using screen_test::ReadPixels;

namespace
{
// This program doubles as a second process that looks at the clipboard. Started
// with
//     --clipboard-reader <report file>
// it writes what the clipboard offers to the report file; with
//     --clipboard-holder <ready event> <release event>
// it keeps the clipboard open from the ready event until the release event. Both run
// instead of the tests (TestChild.h) and end the process.
const wchar_t kReaderSwitch[] = L"--clipboard-reader";
const wchar_t kHolderSwitch[] = L"--clipboard-holder";
const DWORD kChildDone = 3;
const DWORD kChildCannotOpen = 4;
const DWORD kChildBadArguments = 5;

// Size and centre colour of a bitmap; zero size when there is none.
struct SeenPicture
{
    int width = 0;
    int height = 0;
    COLORREF centre = 0;
};

SeenPicture Describe(HBITMAP bitmap)
{
    SeenPicture seen;
    Pixels pixels = ReadPixels(bitmap);
    if (pixels.width > 0 && pixels.height > 0)
    {
        seen.width = pixels.width;
        seen.height = pixels.height;
        seen.centre = pixels.At(pixels.width / 2, pixels.height / 2);
    }
    return seen;
}

// The clipboard's packed DIB drawn into a bitmap of the screen's kind.
SeenPicture DescribeDib(HGLOBAL dib)
{
    SeenPicture seen;
    const BITMAPINFOHEADER* header = dib ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(dib)) : nullptr;
    if (header == nullptr)
        return seen;
    DWORD colours = header->biClrUsed ? header->biClrUsed : (header->biBitCount <= 8 ? 1u << header->biBitCount : 0);
    DWORD masks = header->biCompression == BI_BITFIELDS && header->biSize == sizeof(BITMAPINFOHEADER) ? 12 : 0;
    const BYTE* bits = reinterpret_cast<const BYTE*>(header) + header->biSize + masks + colours * sizeof(RGBQUAD);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap =
        CreateDIBitmap(screen, header, CBM_INIT, bits, reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    GlobalUnlock(dib);
    if (bitmap)
    {
        seen = Describe(bitmap);
        DeleteObject(bitmap);
    }
    return seen;
}

// Another process may hold the clipboard a while.
bool OpenClipboardPatiently()
{
    return PumpUntil([] { return OpenClipboard(nullptr) != FALSE; });
}

// Report: the first format offered (the one set; formats the system makes from it
// follow), then what CF_BITMAP and CF_DIB give.
DWORD ReadClipboardInto(const wchar_t* reportPath)
{
    if (!OpenClipboardPatiently())
        return kChildCannotOpen;
    UINT first = EnumClipboardFormats(0);
    SeenPicture bitmap = Describe(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    SeenPicture dib = DescribeDib(static_cast<HGLOBAL>(GetClipboardData(CF_DIB)));
    CloseClipboard();

    FILE* report = _wfopen(reportPath, L"w");
    if (report == nullptr)
        return kChildBadArguments;
    fprintf(report, "%u %d %d %lu %d %d %lu\n", first, bitmap.width, bitmap.height,
            static_cast<unsigned long>(bitmap.centre), dib.width, dib.height, static_cast<unsigned long>(dib.centre));
    fclose(report);
    return kChildDone;
}

DWORD HoldClipboard(const wchar_t* readyName, const wchar_t* releaseName)
{
    HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, readyName);
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, releaseName);
    if (!ready || !release)
        return kChildBadArguments;
    // Held for a window: the platform lets a second opening for no window through
    // when the holder opened it for none as well.
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!window || !OpenClipboard(window))
        return kChildCannotOpen;
    SetEvent(ready);
    WaitForSingleObject(release, kTestGiveUpMs);
    CloseClipboard();
    DestroyWindow(window);
    return kChildDone;
}

DWORD RunClipboardReader(int argc, wchar_t** argv)
{
    return argc == 3 ? ReadClipboardInto(argv[2]) : kChildBadArguments;
}
DWORD RunClipboardHolder(int argc, wchar_t** argv)
{
    return argc == 4 ? HoldClipboard(argv[2], argv[3]) : kChildBadArguments;
}
[[maybe_unused]] const bool s_clipboardReader = RegisterTestChild(kReaderSwitch, RunClipboardReader);
[[maybe_unused]] const bool s_clipboardHolder = RegisterTestChild(kHolderSwitch, RunClipboardHolder);

// Starts this program as the helper with the arguments; the process handle, or null.
HANDLE StartChild(const wchar_t* switchName, const std::wstring& arguments)
{
    PROCESS_INFORMATION process = {};
    if (!StartTestChild(switchName, arguments, process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// Waits for the child while answering what is sent to this thread's windows;
// its exit code.
DWORD FinishChild(HANDLE process)
{
    DWORD exitCode = STILL_ACTIVE;
    if (process && PumpUntilSignalled(process))
        GetExitCodeProcess(process, &exitCode);
    else if (process)
        TerminateProcess(process, 1);
    if (process)
        CloseHandle(process);
    return exitCode;
}

// What another process finds on the clipboard.
struct ClipboardSeen
{
    DWORD exitCode = 0;
    UINT firstFormat = 0;
    SeenPicture bitmap;
    SeenPicture dib;
};

ClipboardSeen ReadClipboardFromAnotherProcess(const TestFolder& folder)
{
    ClipboardSeen seen;
    CString report = folder / L"clipboard.txt";
    DeleteFileW(report);
    seen.exitCode = FinishChild(StartChild(kReaderSwitch, L"\"" + report.str() + L"\""));
    unsigned long bitmapCentre = 0, dibCentre = 0;
    if (sscanf(ReadBytes(report).c_str(), "%u %d %d %lu %d %d %lu", &seen.firstFormat, &seen.bitmap.width,
               &seen.bitmap.height, &bitmapCentre, &seen.dib.width, &seen.dib.height, &dibCentre) == 7)
    {
        seen.bitmap.centre = bitmapCentre;
        seen.dib.centre = dibCentre;
    }
    return seen;
}

void PutTextOnClipboard(const wchar_t* text)
{
    ASSERT_TRUE(OpenClipboardPatiently());
    EmptyClipboard();
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    EXPECT_NE(nullptr, SetClipboardData(CF_UNICODETEXT, memory));
    CloseClipboard();
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboardPatiently())
        return text;
    HGLOBAL memory = static_cast<HGLOBAL>(GetClipboardData(CF_UNICODETEXT));
    if (const wchar_t* locked = memory ? static_cast<const wchar_t*>(GlobalLock(memory)) : nullptr)
    {
        text = locked;
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

// Away from the painted window, and of another size.
const RECT kOtherRect = {400, 150, 440, 190};

class CImageClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_window.IsShown()); }
    void TearDown() override { AppSetMainWnd(nullptr); }

    ColourWindow m_window{kPaintRect, kPaint};
    TestFolder m_folder;
};
} // namespace

TEST_F(CImageClipboardTest, AnotherProcessFindsThePictureInTheChosenFormatWithOrWithoutAMainWindow)
{
    HWND mainWindow =
        CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, mainWindow);

    const struct
    {
        int fType;
        UINT format;
        bool withMainWindow; // without one, as in the job runner
    } cases[] = {
        {FT_BMP, CF_BITMAP, true},
        {FT_BMP, CF_BITMAP, false},
        {FT_DIB, CF_DIB, true},
        {FT_DIB, CF_DIB, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "FType " << c.fType << (c.withMainWindow ? " with" : " without")
                                        << " a main window");
        PutTextOnClipboard(L"before");
        AppSetMainWnd(c.withMainWindow ? mainWindow : nullptr);
        {
            CImageClipboard destination;
            destination.UseInfo(InfoScClipboard(static_cast<EnumFileType>(c.fType), false, 0, 1));
            ASSERT_EQ(DR_DONE, destination.ProcessWindow(m_window.Handle())) << destination.GetErrorText().GetString();
            if (c.withMainWindow)
            {
                EXPECT_EQ(mainWindow, GetClipboardOwner());
            }
            // The clipboard keeps its own copy: the destination's next grab and its
            // end leave it as it was.
            ASSERT_EQ(DR_DONE, destination.GrabRect(kOtherRect));
        }
        ClipboardSeen seen = ReadClipboardFromAnotherProcess(m_folder);
        ASSERT_EQ(kChildDone, seen.exitCode);
        EXPECT_EQ(c.format, seen.firstFormat);
        EXPECT_EQ(kPaintWidth, seen.bitmap.width);
        EXPECT_EQ(kPaintHeight, seen.bitmap.height);
        EXPECT_EQ(kPaint, seen.bitmap.centre) << std::hex << seen.bitmap.centre;
        EXPECT_EQ(kPaintWidth, seen.dib.width);
        EXPECT_EQ(kPaintHeight, seen.dib.height);
        EXPECT_EQ(kPaint, seen.dib.centre) << std::hex << seen.dib.centre;
        EXPECT_EQ(L"", ClipboardText());
    }
    AppSetMainWnd(nullptr);
    DestroyWindow(mainWindow);
}

TEST_F(CImageClipboardTest, UnknownTypeFailsWithTheSystemTextAndLeavesTheClipboardClosed)
{
    PutTextOnClipboard(L"before");
    CImageClipboard destination;
    destination.UseInfo(InfoScClipboard(static_cast<EnumFileType>(5), false, 0, 1));
    EXPECT_EQ(DR_FAILED, destination.ProcessWindow(m_window.Handle()));
    EXPECT_EQ(GetSystemErrorText(ERROR_UNSUPPORTED_TYPE), destination.GetErrorText());
    EXPECT_FALSE(GetSystemErrorText(ERROR_UNSUPPORTED_TYPE).IsEmpty());

    ClipboardSeen seen = ReadClipboardFromAnotherProcess(m_folder);
    ASSERT_EQ(kChildDone, seen.exitCode) << "the clipboard was left open";
    EXPECT_EQ(0u, seen.firstFormat) << "the clipboard was emptied before the type was known";
}

TEST_F(CImageClipboardTest, ClipboardHeldByAnotherProcessFailsWithTheSystemText)
{
    std::wstring suffix = std::to_wstring(GetCurrentProcessId());
    std::wstring readyName = L"VellClipboardReady-" + suffix, releaseName = L"VellClipboardRelease-" + suffix;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, releaseName.c_str());
    PutTextOnClipboard(L"kept");
    HANDLE holder = StartChild(kHolderSwitch, readyName + L" " + releaseName);
    ASSERT_NE(nullptr, holder);
    ASSERT_TRUE(PumpUntilSignalled(ready));

    CImageClipboard destination;
    destination.UseInfo(InfoScClipboard(FT_DIB, false, 0, 1));
    EXPECT_EQ(DR_FAILED, destination.ProcessWindow(m_window.Handle()));
    EXPECT_EQ(GetSystemErrorText(ERROR_ACCESS_DENIED), destination.GetErrorText());

    SetEvent(release);
    EXPECT_EQ(kChildDone, FinishChild(holder));
    EXPECT_EQ(L"kept", ClipboardText());
    CloseHandle(ready);
    CloseHandle(release);
}

TEST_F(CImageClipboardTest, WithoutAPictureTheClipboardIsLeftAlone)
{
    PutTextOnClipboard(L"kept");
    CImageClipboard destination;
    destination.UseInfo(InfoScClipboard(FT_DIB, false, 0, 1));
    EXPECT_EQ(DR_FAILED, destination.Execute());
    EXPECT_EQ(DR_FAILED, destination.ProcessWindow(nullptr));
    EXPECT_EQ(L"kept", ClipboardText());
}

TEST_F(CImageClipboardTest, RecordIsStoredEvenWhenTheGrabFailsAndPartsCopyTheirFields)
{
    CImageClipboard destination;
    InfoScClipboard record(FT_DIB, true, 7, 9);
    EXPECT_EQ(DR_FAILED, destination.ProcessWindowWithInfo(nullptr, &record));
    EXPECT_EQ(record, *static_cast<InfoScClipboard*>(destination.GetInfo()));

    const struct
    {
        unsigned int part;
        InfoScClipboard expected;
    } cases[] = {
        {1, InfoScClipboard(FT_BMP, true, 0, 1)},
        {2, InfoScClipboard(FT_DIB, false, 0, 1)},
        {3, InfoScClipboard(FT_BMP, false, 7, 9)},
        {4, InfoScClipboard()},
    };
    for (const auto& c : cases)
    {
        CImageClipboard fresh;
        fresh.SetInfo(&record, c.part);
        EXPECT_EQ(c.expected, *static_cast<InfoScClipboard*>(fresh.GetInfo())) << c.part;
    }
}
