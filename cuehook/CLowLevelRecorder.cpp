#include "cuehook/CLowLevelRecorder.h"
#include "framework/AppModule.h"

namespace
{
// The window that has the keyboard focus, in whichever program it is.
HWND FocusWindow()
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(0, &info) && info.hwndFocus)
        return info.hwndFocus;
    return GetForegroundWindow();
}
} // namespace

CLowLevelRecorder* CLowLevelRecorder::s_installed = nullptr;

CLowLevelRecorder::~CLowLevelRecorder()
{
    Uninstall();
}

bool CLowLevelRecorder::Install(Dispatcher dispatch)
{
    Uninstall();
    m_dispatch = dispatch;
    s_installed = this;
    m_keyboard = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, AppGetCodeModule(), 0);
    m_mouse = m_keyboard ? SetWindowsHookExW(WH_MOUSE_LL, MouseProc, AppGetCodeModule(), 0) : nullptr;
    if (m_mouse)
        return true;
    const DWORD failure = GetLastError();
    Uninstall();
    SetLastError(failure);
    return false;
}

void CLowLevelRecorder::Uninstall()
{
    if (m_keyboard)
        UnhookWindowsHookEx(m_keyboard);
    if (m_mouse)
        UnhookWindowsHookEx(m_mouse);
    m_keyboard = m_mouse = nullptr;
    if (s_installed == this)
        s_installed = nullptr;
}

EVENTMSG CLowLevelRecorder::FromKeyboard(WPARAM message, const KBDLLHOOKSTRUCT& key)
{
    const bool extended = (key.flags & LLKHF_EXTENDED) != 0;
    EVENTMSG event{};
    event.message = static_cast<UINT>(message);
    event.paramL = (key.vkCode & 0xFF) | ((key.scanCode & 0xFF) << 8) | (extended ? 0x10000 : 0);
    event.paramH = 1 | (extended ? 0x8000 : 0);
    event.time = key.time;
    event.hwnd = FocusWindow();
    return event;
}

EVENTMSG CLowLevelRecorder::FromMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse)
{
    EVENTMSG event{};
    event.message = static_cast<UINT>(message);
    event.paramL = static_cast<UINT>(mouse.pt.x);
    event.paramH = static_cast<UINT>(mouse.pt.y);
    event.time = mouse.time;
    event.hwnd = WindowFromPoint(mouse.pt);
    return event;
}

LRESULT CALLBACK CLowLevelRecorder::KeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && lParam)
        Dispatch(FromKeyboard(wParam, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CLowLevelRecorder::MouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && lParam)
        Dispatch(FromMouse(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CLowLevelRecorder::Dispatch(const EVENTMSG& event)
{
    if (s_installed && s_installed->m_dispatch)
        s_installed->m_dispatch(HC_ACTION, reinterpret_cast<LPARAM>(&event));
}
