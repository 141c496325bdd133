#include "app/tests/ProgramMenu.h"

#include "app/tests/ProgramInput.h"

namespace app_test
{
namespace
{
const wchar_t kMenuClass[] = L"#32768";

// The program's visible pop-up menu window; null when none shows.
HWND VisiblePopupOf(DWORD processId)
{
    for (HWND window = FindWindowExW(nullptr, nullptr, kMenuClass, nullptr); window;
         window = FindWindowExW(nullptr, window, kMenuClass, nullptr))
    {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

bool InMenuMode(HWND window)
{
    GUITHREADINFO info = {sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMENUMODE);
}

// The selected item: the run of rows in the selection colours near the pop-up's right
// side (past every item's text), as wide as its first row shows it.
RECT SelectedRowIn(const Screenshot& shot, const RECT& popup)
{
    const int x = popup.right - 6;
    int top = popup.top;
    while (top < popup.bottom && !IsSelectionColour(shot.Pixel(x, top)))
        ++top;
    if (top == popup.bottom)
        return {};
    int bottom = top;
    while (bottom < popup.bottom && IsSelectionColour(shot.Pixel(x, bottom)))
        ++bottom;
    int left = popup.left;
    while (left < x && !IsSelectionColour(shot.Pixel(left, top)))
        ++left;
    int right = x;
    while (right < popup.right && IsSelectionColour(shot.Pixel(right, top)))
        ++right;
    return {left, top, right, bottom};
}
} // namespace

bool IsSelectionColour(COLORREF colour)
{
    return colour == GetSysColor(COLOR_HIGHLIGHT) || colour == GetSysColor(COLOR_MENUHILIGHT);
}

ProgramMenu::ProgramMenu(const MainProgram& program, wchar_t mnemonic, const CString& shotPath)
    : m_program(program), m_shotPath(shotPath)
{
    if (!MainProgram::Activate(program.Window()))
        return;
    PressTogether({VK_MENU, static_cast<WORD>(mnemonic)});
    WaitFor([this] { return (m_popup = VisiblePopupOf(m_program.ProcessId())) != nullptr; });
}

RECT ProgramMenu::SelectedRow()
{
    RECT row = {};
    if (!m_popup)
        return row;
    RECT popup = {};
    GetWindowRect(m_popup, &popup);
    const bool moved = WaitFor([&] {
        m_shot.reset(new Screenshot(m_shotPath));
        row = SelectedRowIn(*m_shot, popup);
        return !IsRectEmpty(&row) && !EqualRect(&row, &m_lastRow);
    });
    if (!moved)
        return {};
    m_lastRow = row;
    return row;
}

void ProgramMenu::Down() const
{
    PressTogether({VK_DOWN});
}

bool ProgramMenu::ShowsCheckMark(const RECT& row) const
{
    if (!m_shot)
        return false;
    const int width = GetSystemMetrics(SM_CXMENUCHECK);
    for (int y = row.top + 1; y < row.bottom - 1; ++y)
        for (int x = row.left + 1; x < row.left + width; ++x)
            if (!IsSelectionColour(m_shot->Pixel(x, y)))
                return true;
    return false;
}

// The first Escape closes the pop-up, the second leaves the menu bar.
bool ProgramMenu::Close()
{
    if (!m_popup)
        return true;
    HWND popup = m_popup;
    HWND window = m_program.Window();
    m_popup = nullptr;
    PressTogether({VK_ESCAPE});
    if (!WaitFor([popup] { return !IsWindowVisible(popup); }))
        return false;
    if (InMenuMode(window))
        PressTogether({VK_ESCAPE});
    return WaitFor([window] { return !InMenuMode(window); });
}
} // namespace app_test
