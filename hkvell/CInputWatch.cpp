#include "hkvell/CInputWatch.h"
#include "hkvell/HkVellApi.h"
#include "framework/AppModule.h"

namespace
{
const UINT kRepeatHotKeys[] = {VK_F9, VK_F11, VK_F12};
const int kSelectionTypeCount = 7;

// Window, active window and desktop: the window under the mouse is highlighted before
// any click.
bool IsWindowSelection(int type)
{
    return type >= 4 && type <= 6;
}

// The MK_ flag of a button message; 0 for a move.
UINT ButtonOf(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return MK_LBUTTON;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MK_RBUTTON;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MK_MBUTTON;
    default:
        return 0;
    }
}

bool IsButtonDown(UINT message)
{
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

// The modifiers come from the asynchronous key state: the hot key is global, and this
// thread's own key state follows only the keys its queue received.
bool ControlAndShiftDown()
{
    return GetAsyncKeyState(VK_CONTROL) < 0 && GetAsyncKeyState(VK_SHIFT) < 0;
}
} // namespace

CInputWatch* CInputWatch::s_watching = nullptr;

CInputWatch::CInputWatch() : m_relay([this](UINT message, const MSLLHOOKSTRUCT& event) { DeliverMouse(message, event); })
{
}

CInputWatch::~CInputWatch()
{
    StopWatch();
}

void CInputWatch::StartWatch()
{
    // A second set of hooks would report every event twice.
    if (m_watching)
        return;
    s_watching = this;
    m_relay.Open(AppGetCodeModule());
    m_mouseHook = SetWindowsHookExW(WH_MOUSE_LL, &CInputWatch::MouseProc, AppGetCodeModule(), 0);
    m_keyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, &CInputWatch::KeyboardProc, AppGetCodeModule(), 0);
    m_watching = true;
    m_rightButtonHeld = GetAsyncKeyState(VK_RBUTTON) < 0;
    m_keptButtons = 0;
    m_reportedKey = 0;
}

void CInputWatch::StopWatch()
{
    if (m_mouseHook)
        UnhookWindowsHookEx(m_mouseHook);
    if (m_keyboardHook)
        UnhookWindowsHookEx(m_keyboardHook);
    m_mouseHook = m_keyboardHook = nullptr;
    m_relay.Close();
    m_watching = false;
    m_rightButtonHeld = false;
    if (s_watching == this)
        s_watching = nullptr;
}

void CInputWatch::SetRepeatHotKey(int index)
{
    if (index >= 0 && index < static_cast<int>(ARRAYSIZE(kRepeatHotKeys)))
        m_repeatHotKey = index;
}

void CInputWatch::SetSelectionType(int type)
{
    if (type >= 0 && type < kSelectionTypeCount)
        m_selectionType = type;
}

LRESULT CALLBACK CInputWatch::MouseProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && s_watching &&
        s_watching->OnMouse(static_cast<UINT>(wParam), *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CInputWatch::KeyboardProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && s_watching &&
        s_watching->OnKey(static_cast<UINT>(wParam), reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam)->vkCode))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CInputWatch::ForwardsMouse(UINT message) const
{
    if (!m_capturing || !m_notifyWindow || !m_relay.IsOpen() || message < WM_MOUSEMOVE || message > WM_MBUTTONDOWN)
        return false;
    return message != WM_MOUSEMOVE || m_selecting || IsWindowSelection(m_selectionType);
}

bool CInputWatch::OnMouse(UINT message, const MSLLHOOKSTRUCT& event)
{
    if (message == WM_RBUTTONDOWN)
        m_rightButtonHeld = true;
    else if (message == WM_RBUTTONUP)
        m_rightButtonHeld = false;

    // Decided here, once: the notify window may end the capture before it gets the event.
    const bool forward = ForwardsMouse(message);
    const UINT button = ButtonOf(message);
    bool keep = button != 0 && forward;
    if (IsButtonDown(message))
        m_keptButtons = keep ? (m_keptButtons | button) : (m_keptButtons & ~button);
    else
    {
        // The release of a kept press is kept too, also when the capture ended meanwhile.
        keep = keep || (m_keptButtons & button) != 0;
        m_keptButtons &= ~button;
    }

    if (forward)
        m_relay.Post(message, event);
    return keep;
}

void CInputWatch::DeliverMouse(UINT message, const MSLLHOOKSTRUCT& event)
{
    if (ForwardsMouse(message))
        SendMessageW(m_notifyWindow, WM_HOOK_MOUSE, message, reinterpret_cast<LPARAM>(&event));
}

bool CInputWatch::OnKey(UINT message, DWORD virtualKey)
{
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    // Auto-repeat sends the press again and again before the release.
    const bool firstPress = down && virtualKey != m_reportedKey;
    if (!down && virtualKey == m_reportedKey)
        m_reportedKey = 0;

    if (virtualKey == kRepeatHotKeys[m_repeatHotKey])
    {
        if (firstPress && ControlAndShiftDown())
            ReportKey(virtualKey, 1);
        return false;
    }
    // Escape belongs to a capture selection: it ends it and never reaches the focused window.
    if (virtualKey == VK_ESCAPE && m_capturing && m_notifyWindow)
    {
        if (firstPress)
            ReportKey(virtualKey, 0);
        return true;
    }
    return false;
}

void CInputWatch::ReportKey(DWORD virtualKey, LPARAM repeat)
{
    m_reportedKey = virtualKey;
    if (m_notifyWindow)
        PostMessageW(m_notifyWindow, WM_CAPTURE_ENDED, 0, repeat);
}
