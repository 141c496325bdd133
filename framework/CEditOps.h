#pragma once
// CEditOps: the edit-control messages by name, for any window object whose window is an
// edit control (CEdit, CEditView). Positions are character indexes; lines count from 0.
#include "framework/CString.h"
#include <windows.h>

// The line's text, without its line break; empty for a line past the end.
CString AppEditGetLine(HWND edit, int line);

template <class Window> class CEditOps
{
public:
    int GetLineCount() const { return static_cast<int>(Send(EM_GETLINECOUNT)); }
    // The first character of the line; -1 for a line past the end. Line -1: the caret's.
    int LineIndex(int line = -1) const { return static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(line))); }
    // The length of the line that holds the character.
    int LineLength(int charIndex) const
    {
        return static_cast<int>(Send(EM_LINELENGTH, static_cast<WPARAM>(charIndex)));
    }
    int LineFromChar(int charIndex = -1) const
    {
        return static_cast<int>(Send(EM_LINEFROMCHAR, static_cast<WPARAM>(charIndex)));
    }
    CString GetLine(int line) const { return AppEditGetLine(Hwnd(), line); }
    int GetTextLength() const { return GetWindowTextLengthW(Hwnd()); }

    void GetSel(int& start, int& end) const
    {
        DWORD first = 0, last = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        start = static_cast<int>(first);
        end = static_cast<int>(last);
    }
    void SetSel(int start, int end, bool noScroll = false)
    {
        Send(EM_SETSEL, static_cast<WPARAM>(start), end);
        if (!noScroll)
            ScrollCaret();
    }
    void ReplaceSel(const wchar_t* text, bool canUndo = false)
    {
        Send(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text));
    }
    void ScrollCaret() { Send(EM_SCROLLCARET); }
    void LimitText(int maxChars) { Send(EM_LIMITTEXT, static_cast<WPARAM>(maxChars)); }
    void SetReadOnly(bool readOnly) { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
    bool GetModify() const { return Send(EM_GETMODIFY) != 0; }
    void SetModify(bool modified) { Send(EM_SETMODIFY, modified ? TRUE : FALSE); }
    bool CanUndo() const { return Send(EM_CANUNDO) != 0; }
    void Undo() { Send(EM_UNDO); }
    void Cut() { Send(WM_CUT); }
    void Copy() { Send(WM_COPY); }
    void Paste() { Send(WM_PASTE); }
    void Clear() { Send(WM_CLEAR); }

private:
    HWND Hwnd() const { return static_cast<const Window*>(this)->GetSafeHwnd(); }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(Hwnd(), message, wParam, lParam);
    }
};
