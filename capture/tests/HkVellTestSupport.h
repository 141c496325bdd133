#pragma once
// Helpers of the HkVell tests: message pumping, real input through SendInput, a window
// that records what reaches it, and the fixture of the tests on real input.
#include "framework/CWnd.h"
#include "testing/TestPump.h"
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

const RECT kTargetRect{100, 100, 500, 400};
const POINT kInsideTarget{300, 250};
const RECT kHiddenRect{0, 0, 10, 10};
const std::vector<UINT> kLeftClick{WM_LBUTTONDOWN, WM_LBUTTONUP};

// Each injects one event and waits until the hooks and this thread's windows have
// handled it.
void SendMouse(DWORD flags, ULONG_PTR extraInfo = 0);
void SendMouseMove(LONG dx, LONG dy);
// Real input to an exact point of the display, the display's own pointer included
// (SendMoveToSettled): a pointer left elsewhere would add a point far from the shape when
// the overlay appears at the first press.
void SendMoveTo(POINT point);
void SendKey(WORD virtualKey, bool up);
// Key down and up.
void TapKey(WORD virtualKey);
// Ctrl and Shift down, the key down and up, Shift and Ctrl up.
void TapWithControlShift(WORD virtualKey);

struct HookMouseEvent
{
    UINT message;
    MSLLHOOKSTRUCT data;
};

// A framework window that records the watch's messages and the input that reaches it.
class CRecordingWindow : public CWnd
{
public:
    // visible: a shown, active window with the keyboard focus at the rectangle; else a
    // hidden one.
    CRecordingWindow(bool visible, const RECT& rect);

    // Brings the window to the front with the keyboard focus.
    void Activate();
    void Clear();
    // The mouse button messages that reached the window, in order.
    std::vector<UINT> ButtonMessages() const { return m_buttons; }
    // The wParams of the WM_KEYDOWN messages.
    std::vector<WPARAM> KeysDown() const { return m_keysDown; }
    std::vector<UINT> HookMouseMessages() const;
    const std::vector<HookMouseEvent>& HookMouseEvents() const { return m_hookMouse; }
    std::vector<LPARAM> CaptureEnded() const { return m_captureEnded; }

    // Called for every WM_HOOK_MOUSE, as the window handles it.
    std::function<void(UINT message)> OnHookMouse;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<UINT> m_buttons;
    std::vector<WPARAM> m_keysDown;
    std::vector<HookMouseEvent> m_hookMouse;
    std::vector<LPARAM> m_captureEnded;
};

// A shown window under the cursor with the keyboard focus, kept for a whole suite (Wine
// takes about two seconds to destroy a shown window), and a hidden notify window.
class HkVellInputTest : public ::testing::Test
{
public:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

protected:
    HkVellInputTest() : m_target(*s_target) {}
    // The cursor inside the target, which is active and has seen nothing yet.
    void SetUp() override;
    void LeftClick();
    void ClearWindows();

    CRecordingWindow& m_target;
    CRecordingWindow m_notify{false, kHiddenRect};

private:
    static std::unique_ptr<CRecordingWindow> s_target;
};
