#pragma once
// Helpers of the hook library's tests: real input through SendInput,
// a foreground test window with an edit control, temporary and golden files.
#include "framework/CString.h"
#include "testing/TestFiles.h"
#include "testing/TestInput.h"
#include "testing/TestPump.h"
#include <functional>
#include <vector>

using Bytes = std::vector<BYTE>;

// Each waits until the hooks and this thread's windows have handled the input; seen, when
// given, sees each message dispatched meanwhile.
void SendKey(WORD virtualKey, bool up, const MessageSeen& seen = nullptr);
// Key down and up.
void TapKey(WORD virtualKey, const MessageSeen& seen = nullptr);
// Places the cursor at the screen point and clicks the left button there.
void ClickAt(POINT screen);

EVENTMSG MakeEvent(UINT message, UINT paramL, UINT paramH, DWORD time, HWND window = nullptr);
bool SameEvent(const EVENTMSG& a, const EVENTMSG& b);

CString TempPath(const wchar_t* name);
CString GoldenPath(const wchar_t* name);

// A visible top-level window holding an edit control. Tests share one (TestWindow):
// Wine takes seconds to take a top-level window off an X display without a window manager.
class CTestWindow
{
public:
    CTestWindow();
    ~CTestWindow();
    CTestWindow(const CTestWindow&) = delete;
    CTestWindow& operator=(const CTestWindow&) = delete;

    HWND GetWindow() const { return m_window; }
    HWND GetEdit() const { return m_edit; }
    CString GetText() const;
    void ClearText();
    // Brings the window to the front and focuses the edit.
    void Activate();
    // A screen point inside the window, below the edit.
    POINT ClickPoint() const;

private:
    HWND m_window = nullptr;
    HWND m_edit = nullptr;
};

// The test program's window, activated with its edit emptied and focused.
CTestWindow& TestWindow();

// Records the wParam of every message of one kind that reaches a window's procedure,
// while it lives (the window is subclassed).
class CWindowMessageLog
{
public:
    CWindowMessageLog(HWND window, UINT message);
    ~CWindowMessageLog();
    CWindowMessageLog(const CWindowMessageLog&) = delete;
    CWindowMessageLog& operator=(const CWindowMessageLog&) = delete;

    const std::vector<WPARAM>& GetParams() const { return m_params; }
    bool Contains(WPARAM param) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window;
    UINT m_message;
    WNDPROC m_original;
    std::vector<WPARAM> m_params;
};
