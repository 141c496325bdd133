#include "cuehook/CInputInjector.h"
#include "cuehook/EventMessages.h"
#include <algorithm>
#include <iterator>

namespace
{
const DWORD kButtonDownFlags[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN,
                                   MOUSEEVENTF_XDOWN};

// Each MOUSEEVENTF_ button-up flag is the bit above its button-down flag.
DWORD ReleaseOf(DWORD downFlag)
{
    return downFlag << 1;
}

bool IsButtonDown(DWORD flags)
{
    return std::find(std::begin(kButtonDownFlags), std::end(kButtonDownFlags), flags) != std::end(kButtonDownFlags);
}

INPUT MouseInput(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & (MOUSEEVENTF_XDOWN | MOUSEEVENTF_XUP))
        input.mi.mouseData = XBUTTON1;
    return input;
}
} // namespace

void CInputInjector::Inject(const EVENTMSG& event)
{
    if (IsKeyboardMessage(event.message))
        InjectKey(event);
    else if (IsMouseMessage(event.message))
        InjectMouse(event);
    else if (event.message == WM_MOVE)
        MoveWindowBack(event);
}

// A recorded key holds the virtual-key code in the low byte of paramL, the scan code in
// the next byte, and the extended-key flag in bit 15 of paramH.
void CInputInjector::InjectKey(const EVENTMSG& event)
{
    if (event.message != WM_KEYDOWN && event.message != WM_KEYUP && event.message != WM_SYSKEYDOWN &&
        event.message != WM_SYSKEYUP)
        return;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = LOBYTE(event.paramL);
    input.ki.wScan = LOBYTE(event.paramL >> 8);
    if (event.paramH & 0x8000)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    if (event.message == WM_KEYUP || event.message == WM_SYSKEYUP)
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
    NoteKey(input.ki);
}

void CInputInjector::NoteKey(const KEYBDINPUT& key)
{
    const auto held = std::find_if(m_heldKeys.begin(), m_heldKeys.end(),
                                   [&key](const KEYBDINPUT& pressed) { return pressed.wVk == key.wVk; });
    if (key.dwFlags & KEYEVENTF_KEYUP)
    {
        if (held != m_heldKeys.end())
            m_heldKeys.erase(held);
    }
    else if (held == m_heldKeys.end()) // an auto-repeat press is held once
        m_heldKeys.push_back(key);
}

void CInputInjector::ReleaseHeld()
{
    std::vector<INPUT> releases;
    for (auto key = m_heldKeys.rbegin(); key != m_heldKeys.rend(); ++key)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki = *key;
        input.ki.dwFlags |= KEYEVENTF_KEYUP;
        releases.push_back(input);
    }
    for (DWORD button : kButtonDownFlags)
        if (m_heldButtons & button)
            releases.push_back(MouseInput(ReleaseOf(button)));
    m_heldKeys.clear();
    m_heldButtons = 0;
    if (!releases.empty())
        SendInput(static_cast<UINT>(releases.size()), releases.data(), sizeof(INPUT));
}

// A recorded mouse event holds the cursor's screen position in paramL (x) and paramH (y).
void CInputInjector::InjectMouse(const EVENTMSG& event)
{
    SetCursorPos(static_cast<int>(event.paramL), static_cast<int>(event.paramH));
    const DWORD flags = MouseButtonFlags(event.message);
    if (!flags)
        return;
    INPUT input = MouseInput(flags);
    SendInput(1, &input, sizeof input);
    if (IsButtonDown(flags))
        m_heldButtons |= flags;
    else
        m_heldButtons &= ~(flags >> 1); // the press of this release
}

DWORD CInputInjector::MouseButtonFlags(UINT message)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return MOUSEEVENTF_LEFTDOWN;
    case WM_LBUTTONUP:
        return MOUSEEVENTF_LEFTUP;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return MOUSEEVENTF_RIGHTDOWN;
    case WM_RBUTTONUP:
        return MOUSEEVENTF_RIGHTUP;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return MOUSEEVENTF_MIDDLEDOWN;
    case WM_MBUTTONUP:
        return MOUSEEVENTF_MIDDLEUP;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONDBLCLK:
        return MOUSEEVENTF_XDOWN;
    case WM_XBUTTONUP:
        return MOUSEEVENTF_XUP;
    default:
        return 0; // a move (the cursor is placed already) or a wheel turn, whose amount is not recorded
    }
}

// paramL holds the window's left edge in its low word and its top in the high word.
void CInputInjector::MoveWindowBack(const EVENTMSG& event)
{
    if (!IsWindow(event.hwnd))
        return;
    const int left = static_cast<short>(LOWORD(event.paramL));
    const int top = static_cast<short>(HIWORD(event.paramL));
    SetWindowPos(event.hwnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
