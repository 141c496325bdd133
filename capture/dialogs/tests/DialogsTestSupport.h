#pragma once
// The dialogs tests' host window, message boxes answered and recorded, and real input.
#include "framework/AppMessageBox.h"
#include "framework/AppWindowText.h"
#include "framework/CWnd.h"
#include "testing/TestInput.h"

#include <vector>

// A top-level window the dialogs are opened in, active so that they may hold the focus.
class DialogHost : public CWnd
{
public:
    DialogHost()
    {
        CreateEx(0, AppRegisterWndClass(0, LoadCursor(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_BTNFACE)),
                 L"Dialogs test host", WS_POPUP | WS_BORDER | WS_VISIBLE, RECT{20, 20, 220, 120}, nullptr, 0);
        SetForegroundWindow(GetSafeHwnd());
    }
};

// Answers every message box with OK and keeps its text and style.
class RecordedBoxes
{
public:
    RecordedBoxes()
    {
        m_previous = AppSetMessageBoxHandler([this](const CString& text, const CString&, UINT type) {
            texts.push_back(text);
            types.push_back(type);
            return IDOK;
        });
    }
    ~RecordedBoxes() { AppSetMessageBoxHandler(m_previous); }
    RecordedBoxes(const RecordedBoxes&) = delete;
    RecordedBoxes& operator=(const RecordedBoxes&) = delete;

    std::vector<CString> texts;
    std::vector<UINT> types;

private:
    MessageBoxHandler m_previous;
};

inline void ClickButton(HWND dialog, UINT id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A real left click in the middle of a screen rectangle.
inline bool ClickScreen(const RECT& rect)
{
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    INPUT click[2] = {};
    click[0].type = click[1].type = INPUT_MOUSE;
    click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInputSettled(click, 2);
}
