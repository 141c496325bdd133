#pragma once
// One pop-up of the program's menu bar, opened as a user opens it: the program's window
// brought forward, then Alt with the pop-up's mnemonic. What the menu shows is read from
// the screen, the selected item moved with the arrow keys: the menu belongs to the
// program's process, whose menus another process cannot read under every system.
#include "app/tests/MainProgram.h"
#include "app/tests/Screenshot.h"

#include <memory>

namespace app_test
{
class ProgramMenu
{
public:
    // Opens the pop-up; each screenshot taken of it goes to shotPath.
    ProgramMenu(const MainProgram& program, wchar_t mnemonic, const CString& shotPath);
    ~ProgramMenu() { Close(); }
    ProgramMenu(const ProgramMenu&) = delete;
    ProgramMenu& operator=(const ProgramMenu&) = delete;

    // The pop-up's window; null when it did not open.
    HWND Window() const { return m_popup; }
    // The selected item's row on the screen, awaited until it differs from the row this
    // returned last; empty when none showed. Shot() is the screenshot it was read from.
    RECT SelectedRow();
    const Screenshot& Shot() const { return *m_shot; }
    // Selects the next item with the Down key.
    void Down() const;
    // Whether the row shows a check mark at its left, where the menu puts it.
    bool ShowsCheckMark(const RECT& row) const;
    // Closes the pop-up and leaves the menu; false when the program stays in its menu.
    bool Close();

private:
    const MainProgram& m_program;
    CString m_shotPath;
    HWND m_popup = nullptr;
    RECT m_lastRow = {};
    std::unique_ptr<Screenshot> m_shot;
};

// A row of the screen's menus drawn in the selection colours.
bool IsSelectionColour(COLORREF colour);
} // namespace app_test
