#pragma once
// CEditViewOutput: the main window's output window, an edit view the program writes lines
// into and the user only reads, selects, copies and prints. Keys other than the arrow
// keys, Home, End, Page Up and Page Down do nothing (typed characters included); Ctrl+C
// and Ctrl+Insert copy the selection. A right click gives it the focus and pops up the
// output menu, whose command goes to the main window.
#include "framework/CEditView.h"

#include <vector>

class CEditViewOutput : public CEditView
{
public:
    // The window id the output bar gives the view.
    static const UINT kViewId = 20000;

    CEditViewOutput();

    // Appends the text as one line: line feeds and carriage returns become blanks. While
    // maxLines text lines (at least 1) are shown, the first goes first.
    void AppendLine(const CString& text, int maxLines);
    // Removes first lines until at most maxLines text lines remain.
    void TrimToLimit(int maxLines);
    // The text lines, in order; the empty line after the last line break is none.
    std::vector<CString> GetLines() const;
    int GetTextLineCount() const;
    // Looks for the text in the line (without matchCase the caller gives it in upper
    // case); selects it when found. The view takes the focus, found or not.
    bool FindInLine(int line, const CString& text, bool matchCase);

    // Whether the Edit command applies now: Cut, Paste and Undo never; Copy and Clear with
    // a selection; Select All and Clear All with a text.
    bool IsCommandEnabled(UINT id) const;
    // Carries the Edit command out; false for a command the view does not take.
    bool RunEditCommand(UINT id);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool HasSelection() const;
    void RemoveFirstLine();
    // True when the key-down was taken: a key that moves the caret is not.
    bool OnKeyDown(UINT key);
    void OnRightButtonDown(LPARAM point);
};
