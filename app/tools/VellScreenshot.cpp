// VellScreenshot: waits for the main window of Vellumor to show (at most a minute), saves
// the whole display into the bitmap file its argument names, then exits Vellumor from its
// File menu. A message box of the start (a missing sound device, an old DirectX) is
// printed and answered with OK on the way. Ends with 0 when the file was written, 1
// otherwise.
#include "common/CDibToolkit.h"

#include <cstdio>
#include <windows.h>

namespace
{
const wchar_t kTitle[] = L"Talvono Vellumor";
const UINT kExitCommand = 57665;
const int kMessageBoxTextId = 0xFFFF;
const DWORD kWaitMs = 60000;
// Time for the window's first paint once it shows.
const DWORD kPaintMs = 1500;

BOOL CALLBACK FindMainWindow(HWND window, LPARAM found)
{
    wchar_t title[128] = {};
    GetWindowTextW(window, title, 128);
    if (IsWindowVisible(window) && GetMenu(window) && wcsncmp(title, kTitle, wcslen(kTitle)) == 0)
    {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Prints and closes a visible message box of the program.
BOOL CALLBACK AnswerStartBox(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    wchar_t title[128] = {};
    GetClassNameW(window, className, 16);
    GetWindowTextW(window, title, 128);
    if (!IsWindowVisible(window) || wcscmp(className, L"#32770") != 0 || wcscmp(title, kTitle) != 0)
        return TRUE;
    wchar_t text[1024] = {};
    GetDlgItemTextW(window, kMessageBoxTextId, text, 1024);
    wprintf(L"Vellumor says: %ls\n", text);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

HWND WaitForMainWindow()
{
    HWND found = nullptr;
    for (DWORD waited = 0; !found && waited < kWaitMs; waited += 500)
    {
        EnumWindows(AnswerStartBox, 0);
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
        if (!found)
            Sleep(500);
    }
    return found;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
    {
        fwprintf(stderr, L"Usage: VellScreenshot <file.bmp>\n");
        return 1;
    }
    HWND window = WaitForMainWindow();
    if (!window)
    {
        fwprintf(stderr, L"The main window of Vellumor did not show within a minute.\n");
        return 1;
    }
    Sleep(kPaintMs);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    CDibToolkit dib;
    const bool saved = dib.GrabScreenRect(screen) && dib.SaveFile(argv[1]);
    PostMessageW(window, WM_COMMAND, kExitCommand, 0);
    if (!saved)
        fwprintf(stderr, L"The screenshot could not be saved.\n");
    return saved ? 0 : 1;
}
