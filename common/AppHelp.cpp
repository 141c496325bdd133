#include "common/AppHelp.h"
#include "common/PathHelpers.h"
#include "framework/AppMainWnd.h"
#include "framework/AppMessageBox.h"
#include <htmlhelp.h>

namespace
{
// The framework's idle message: lets the main window update its interface first.
const UINT kIdleMessage = 0x036A;
const wchar_t kHelpErrorCaption[] = L"Help Error";

// What HH_GET_LAST_ERROR fills.
struct HelpLastError
{
    int cbStruct;
    HRESULT hr;
    BSTR description;
};

using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

// HTML Help is optional on a system, so it is loaded when first asked for, never
// imported: a missing hhctrl.ocx must not keep the program from starting.
HtmlHelpFunction HtmlHelpEntry()
{
    static HtmlHelpFunction entry = [] {
        HMODULE module = LoadLibraryW(L"hhctrl.ocx");
        FARPROC address = module ? GetProcAddress(module, "HtmlHelpW") : nullptr;
        return reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(address));
    }();
    return entry;
}

// HTML Help's description of its last failure, or a text of ours when it has none.
CString HelpFailureText(HtmlHelpFunction htmlHelp, const CString& path)
{
    HelpLastError last = {sizeof(last), S_OK, nullptr};
    htmlHelp(nullptr, nullptr, HH_GET_LAST_ERROR, reinterpret_cast<DWORD_PTR>(&last));
    CString text;
    if (FAILED(last.hr) && last.description && *last.description)
        text = last.description;
    else
        text.Format(L"The help file '%s' cannot be opened.", path.GetString());
    SysFreeString(last.description);
    return text;
}
} // namespace

void ShowHtmlHelp(DWORD_PTR topic, UINT command, const CString& helpFile)
{
    HWND mainWindow = AppGetMainWnd();
    if (mainWindow)
        PostMessageW(mainWindow, kIdleMessage, 0, 0);

    HtmlHelpFunction htmlHelp = HtmlHelpEntry();
    if (!htmlHelp)
    {
        AppMessageBox(L"HTML Help (hhctrl.ocx) is not available on this system.", kHelpErrorCaption,
                      MB_OK | MB_ICONINFORMATION);
        return;
    }
    CString path = GetModuleDirectory() + L"\\" + helpFile;
    HWND shown = command == HELP_CONTEXT ? htmlHelp(mainWindow, path, HH_HELP_CONTEXT, topic)
                                         : htmlHelp(mainWindow, path, HH_DISPLAY_TOPIC, 0);
    if (!shown)
        AppMessageBox(HelpFailureText(htmlHelp, path), kHelpErrorCaption, MB_OK | MB_ICONINFORMATION);
}

bool ProcessHelpKey()
{
    HWND mainWindow = AppGetMainWnd();
    if (!mainWindow || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    SendMessageW(mainWindow, WM_COMMAND, ID_HELP, 0);
    return true;
}
