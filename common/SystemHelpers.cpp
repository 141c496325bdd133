#include "common/SystemHelpers.h"
#include "common/CErrorInfo.h"
#include "common/CMemoryDC.h"
#include "framework/AppModule.h"

namespace
{
bool IsClassRegistered(const CString& name)
{
    WNDCLASSEXW info = {sizeof(info)};
    return GetClassInfoExW(AppGetCodeModule(), name, &info) != FALSE;
}
} // namespace

bool LaunchApplication(STARTUPINFOW* startup, const CString& commandLine, CString& error, DWORD* processId)
{
    STARTUPINFOW defaultStartup = {sizeof(defaultStartup)};
    // CreateProcessW may write into the command line, so it gets a copy of its own.
    CString command = commandLine;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.GetBuffer(command.GetLength()), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        startup ? startup : &defaultStartup, &process))
    {
        error.Format(L"There was a failure launching the application '%s' calling CreateProcess system function. "
                     L"System error: %d.",
                     commandLine.GetString(), static_cast<int>(GetLastError()));
        return false;
    }
    if (processId)
        *processId = process.dwProcessId;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

CString GetLastErrorText()
{
    return GetSystemErrorText(GetLastError());
}

CString GetSystemErrorText(DWORD code)
{
    wchar_t* text = nullptr;
    DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    CString result = length ? CString(text, static_cast<int>(length)) : CString();
    LocalFree(text);
    // System texts end with a line break.
    result.TrimRight(L"\r\n");
    return result;
}

CString GetHResultText(HRESULT hr)
{
    CString text;
    text.Format(L"Unknown Error: 0x%2x", static_cast<unsigned>(hr));
    if (FAILED(hr))
    {
        // The error information takes up the description a failing component left on
        // the thread and publishes its own text there; that is cleared again, so a
        // later code is not described with this one's text.
        CString described = CErrorInfo(hr).GetText();
        SetErrorInfo(0, nullptr);
        described.TrimRight(L"\r\n");
        if (!described.IsEmpty())
            text = described;
    }
    return text;
}

RECT DrawMouseCursor(CMemoryDC* memoryDC)
{
    RECT drawn = {};
    CURSORINFO cursor = {sizeof(cursor)};
    if (!GetCursorInfo(&cursor) || !(cursor.flags & CURSOR_SHOWING) || !cursor.hCursor)
        return drawn;
    HICON icon = CopyIcon(cursor.hCursor);
    if (!icon)
        return drawn;
    ICONINFO info = {};
    if (GetIconInfo(icon, &info))
    {
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }

    if (memoryDC)
    {
        HWND desktop = GetDesktopWindow();
        HDC screen = GetDC(desktop);
        memoryDC->CreateScreenSized(screen, 255);
        ReleaseDC(desktop, screen);
    }

    int x = cursor.ptScreenPos.x - static_cast<int>(info.xHotspot);
    int y = cursor.ptScreenPos.y - static_cast<int>(info.yHotspot);
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (display)
    {
        DrawIcon(display, x, y, icon);
        DeleteDC(display);
    }
    DestroyIcon(icon);
    SetRect(&drawn, x, y, x + GetSystemMetrics(SM_CXICON), y + GetSystemMetrics(SM_CYICON));
    return drawn;
}

void RestoreScreenRect(const RECT& rect, const CMemoryDC* memoryDC)
{
    if (IsRectEmpty(&rect) || !memoryDC || !memoryDC->GetMainDC())
        return;
    HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (!display)
        return;
    memoryDC->CopyTo(display, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    DeleteDC(display);
}

CString GetUniqueWindowClassName(const CString& name)
{
    CString candidate = name;
    for (int number = 1; IsClassRegistered(candidate); ++number)
        candidate.Format(L"%s_%d", name.GetString(), number);
    return candidate;
}
