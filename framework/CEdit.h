#pragma once
// CEdit: an edit control bound to its object (CWnd), with the edit messages by name.
// Positions are character indexes; lines count from 0.
#include "framework/CString.h"
#include "framework/CWnd.h"

class CEdit : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, L"EDIT", L"", style, rect, parent, id);
    }

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
    // The line's text, without its line break; empty for a line past the end.
    CString GetLine(int line) const;

    void GetSel(int& start, int& end) const;
    void SetSel(int start, int end, bool noScroll = false);
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
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(*this, message, wParam, lParam);
    }
};
