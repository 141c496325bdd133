#include "cuehook/tests/CuehookTestSupport.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <cstdio>

namespace
{
const wchar_t* const kWindowClass = L"CuehookTestWindow";
const wchar_t* const kMessageLogProperty = L"CuehookTestMessageLog";

// F10 and Alt would open the system menu, Shift+F10 a context menu: modal loops that
// wait for more input.
LRESULT CALLBACK TestWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CONTEXTMENU || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU))
        return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterTestClass()
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestWindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&windowClass);
}

} // namespace

void SendKey(WORD virtualKey, bool up, const MessageSeen& seen)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    EXPECT_TRUE(SendInputSettled(input, seen)) << "The injected key did not pass the hooks.";
}

void TapKey(WORD virtualKey, const MessageSeen& seen)
{
    SendKey(virtualKey, false, seen);
    SendKey(virtualKey, true, seen);
}

void ClickAt(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    // The display reports the new pointer position as a move of its own: it goes first.
    EXPECT_TRUE(InputSettled()) << "The cursor's move did not pass the hooks.";
    INPUT input{};
    input.type = INPUT_MOUSE;
    for (DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP})
    {
        input.mi.dwFlags = button;
        EXPECT_TRUE(SendInputSettled(input)) << "The injected click did not pass the hooks.";
    }
}

EVENTMSG MakeEvent(UINT message, UINT paramL, UINT paramH, DWORD time, HWND window)
{
    EVENTMSG event{};
    event.message = message;
    event.paramL = paramL;
    event.paramH = paramH;
    event.time = time;
    event.hwnd = window;
    return event;
}

bool SameEvent(const EVENTMSG& a, const EVENTMSG& b)
{
    return a.message == b.message && a.paramL == b.paramL && a.paramH == b.paramH && a.time == b.time &&
           a.hwnd == b.hwnd;
}

CString TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    CString path;
    path.Format(L"%scuehook_%lu_%s", folder, GetCurrentProcessId(), name);
    return path;
}

CString GoldenPath(const wchar_t* name)
{
    wchar_t program[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    CString path(program);
    return path.Left(path.ReverseFind(L'\\') + 1) + L"cuehook_golden\\" + name;
}

CTestWindow::CTestWindow()
{
    RegisterTestClass();
    m_window = CreateWindowExW(0, kWindowClass, L"Cuehook test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    m_edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 360, 24, m_window,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    Activate();
}

CTestWindow& TestWindow()
{
    static CTestWindow window;
    window.ClearText();
    window.Activate();
    return window;
}

CTestWindow::~CTestWindow()
{
    DestroyWindow(m_window);
    PumpFor(10);
}

void CTestWindow::Activate()
{
    EXPECT_TRUE(PumpUntilInFront(m_window)) << "The test window did not come to the front.";
    SetFocus(m_edit);
    EXPECT_EQ(m_edit, GetFocus());
}

CString CTestWindow::GetText() const
{
    wchar_t text[256] = L"";
    GetWindowTextW(m_edit, text, ARRAYSIZE(text));
    return text;
}

void CTestWindow::ClearText()
{
    SetWindowTextW(m_edit, L"");
}

POINT CTestWindow::ClickPoint() const
{
    POINT point{200, 150};
    ClientToScreen(m_window, &point);
    return point;
}

CWindowMessageLog::CWindowMessageLog(HWND window, UINT message) : m_window(window), m_message(message)
{
    SetPropW(m_window, kMessageLogProperty, this);
    m_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindowMessageLog::Procedure)));
}

CWindowMessageLog::~CWindowMessageLog()
{
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_original));
    RemovePropW(m_window, kMessageLogProperty);
}

bool CWindowMessageLog::Contains(WPARAM param) const
{
    return std::find(m_params.begin(), m_params.end(), param) != m_params.end();
}

LRESULT CALLBACK CWindowMessageLog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWindowMessageLog* log = static_cast<CWindowMessageLog*>(GetPropW(window, kMessageLogProperty));
    if (!log)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == log->m_message)
        log->m_params.push_back(wParam);
    return CallWindowProcW(log->m_original, window, message, wParam, lParam);
}
