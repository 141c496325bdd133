#include "capture/tests/HkVellTestSupport.h"
#include "hkvell/HkVellApi.h"
#include "testing/TestInput.h"

namespace
{
void Inject(const INPUT& input)
{
    EXPECT_TRUE(SendInputSettled(input)) << "The injected input did not pass the hooks.";
}

bool IsMouseButton(UINT message)
{
    return message >= WM_LBUTTONDOWN && message <= WM_MBUTTONUP;
}
} // namespace

void SendMouse(DWORD flags, ULONG_PTR extraInfo)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dwExtraInfo = extraInfo;
    Inject(input);
}

void SendMouseMove(LONG dx, LONG dy)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    Inject(input);
}

void SendMoveTo(POINT point)
{
    EXPECT_TRUE(SendMoveToSettled(point)) << "The injected input did not pass the hooks.";
}

void SendKey(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Inject(input);
}

void TapKey(WORD virtualKey)
{
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

void TapWithControlShift(WORD virtualKey)
{
    SendKey(VK_CONTROL, false);
    SendKey(VK_SHIFT, false);
    TapKey(virtualKey);
    SendKey(VK_SHIFT, true);
    SendKey(VK_CONTROL, true);
}

CRecordingWindow::CRecordingWindow(bool visible, const RECT& rect)
{
    const DWORD style = visible ? WS_POPUP | WS_VISIBLE : WS_POPUP;
    CreateEx(0, AppRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_WINDOW)), L"HkVell test",
             style, rect, nullptr, 0);
    if (visible)
        Activate();
}

void CRecordingWindow::Activate()
{
    SetForegroundWindow(*this);
    SetFocus(*this);
    EXPECT_TRUE(PumpUntil([this] { return GetForegroundWindow() == *this && GetFocus() == *this; }))
        << "The recording window did not come to the front.";
}

void CRecordingWindow::Clear()
{
    m_buttons.clear();
    m_keysDown.clear();
    m_hookMouse.clear();
    m_captureEnded.clear();
}

std::vector<UINT> CRecordingWindow::HookMouseMessages() const
{
    std::vector<UINT> messages;
    for (const HookMouseEvent& event : m_hookMouse)
        messages.push_back(event.message);
    return messages;
}

LRESULT CRecordingWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsMouseButton(message))
        m_buttons.push_back(message);
    if (message == WM_KEYDOWN)
        m_keysDown.push_back(wParam);
    if (message == WM_CAPTURE_ENDED)
        m_captureEnded.push_back(lParam);
    if (message == WM_HOOK_MOUSE)
    {
        m_hookMouse.push_back({static_cast<UINT>(wParam), *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)});
        if (OnHookMouse)
            OnHookMouse(static_cast<UINT>(wParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

std::unique_ptr<CRecordingWindow> HkVellInputTest::s_target;

void HkVellInputTest::SetUpTestSuite()
{
    s_target = std::make_unique<CRecordingWindow>(true, kTargetRect);
}

void HkVellInputTest::TearDownTestSuite()
{
    s_target.reset();
}

void HkVellInputTest::SetUp()
{
    SetCursorPos(kInsideTarget.x, kInsideTarget.y);
    m_target.Activate();
    m_target.Clear();
}

void HkVellInputTest::LeftClick()
{
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

void HkVellInputTest::ClearWindows()
{
    m_target.Clear();
    m_notify.Clear();
}
