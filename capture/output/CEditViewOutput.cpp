#include "capture/output/CEditViewOutput.h"

#include "capture/output/OutputIds.h"
#include "framework/AppMainWnd.h"
#include "framework/AppModule.h"

#include <algorithm>

namespace
{
// Vertical scroll bar, automatic scrolling both ways; long lines are not wrapped.
const DWORD kOutputEditStyle = WS_VSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL;

bool MovesCaret(UINT key)
{
    switch (key)
    {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
        return true;
    default:
        return false;
    }
}

bool IsCtrlDown()
{
    return GetKeyState(VK_CONTROL) < 0;
}
} // namespace

CEditViewOutput::CEditViewOutput() : CEditView(kOutputEditStyle)
{
}

int CEditViewOutput::GetTextLineCount() const
{
    int length = GetTextLength();
    if (length == 0)
        return 0;
    // The edit control counts the empty line after a final line break as a line.
    int lines = GetLineCount();
    return LineLength(LineIndex(lines - 1)) == 0 ? lines - 1 : lines;
}

void CEditViewOutput::RemoveFirstLine()
{
    if (GetTextLineCount() == 0)
        return;
    SetSel(0, LineLength(0) + 2);
    ReplaceSel(L"");
}

void CEditViewOutput::TrimToLimit(int maxLines)
{
    if (!GetSafeHwnd())
        return;
    int keep = (std::max)(0, maxLines);
    while (GetTextLineCount() > keep)
        RemoveFirstLine();
}

void CEditViewOutput::AppendLine(const CString& text, int maxLines)
{
    if (!GetSafeHwnd())
        return;
    TrimToLimit((std::max)(1, maxLines) - 1);
    int end = GetTextLength();
    SetSel(end, end);
    CString line = text;
    line.Replace(L'\n', L' ');
    line.Replace(L'\r', L' ');
    ReplaceSel(line + L"\r\n", true);
}

std::vector<CString> CEditViewOutput::GetLines() const
{
    std::vector<CString> lines;
    int count = GetSafeHwnd() ? GetTextLineCount() : 0;
    for (int line = 0; line < count; ++line)
        lines.push_back(GetLine(line));
    return lines;
}

bool CEditViewOutput::FindInLine(int line, const CString& text, bool matchCase)
{
    if (!GetSafeHwnd())
        return false;
    bool found = false;
    if (line >= 0 && line < GetTextLineCount())
    {
        CString shown = GetLine(line);
        if (!matchCase)
            shown.MakeUpper();
        int at = shown.Find(text);
        if (at >= 0)
        {
            int start = LineIndex(line) + at;
            SetSel(start, start + text.GetLength());
            found = true;
        }
    }
    SetFocus(*this);
    return found;
}

bool CEditViewOutput::HasSelection() const
{
    int start = 0, end = 0;
    GetSel(start, end);
    return start != end;
}

bool CEditViewOutput::IsCommandEnabled(UINT id) const
{
    switch (id)
    {
    case ID_EDIT_COPY:
    case ID_EDIT_CLEAR:
        return HasSelection();
    case ID_EDIT_SELECT_ALL:
    case ID_EDIT_CLEAR_ALL:
        return GetTextLength() > 0;
    default: // Cut, Paste, Undo and the rest
        return false;
    }
}

bool CEditViewOutput::RunEditCommand(UINT id)
{
    switch (id)
    {
    case ID_EDIT_COPY:
        Copy();
        return true;
    case ID_EDIT_CLEAR:
        Clear();
        return true;
    case ID_EDIT_SELECT_ALL:
        SetSel(0, -1, true);
        return true;
    case ID_EDIT_CLEAR_ALL:
        SetSel(0, -1, true);
        Clear();
        return true;
    default:
        return false;
    }
}

bool CEditViewOutput::OnKeyDown(UINT key)
{
    if (MovesCaret(key))
        return false;
    if (IsCtrlDown() && (key == 'C' || key == VK_INSERT))
        Copy();
    return true;
}

void CEditViewOutput::OnRightButtonDown(LPARAM point)
{
    // The edit control takes the focus (and places the caret) as on a left click.
    if (GetFocus() != *this)
    {
        SendMessageW(*this, WM_LBUTTONDOWN, MK_RBUTTON, point);
        SendMessageW(*this, WM_LBUTTONUP, 0, point);
    }
    HMENU menu = LoadMenuW(AppGetResourceHandle(), MAKEINTRESOURCEW(IDR_OUTPUT_MENU));
    if (!menu)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    UINT chosen = static_cast<UINT>(TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x,
                                                   cursor.y, 0, *this, nullptr));
    DestroyMenu(menu);
    if (chosen != 0 && AppGetMainWnd())
        SendMessageW(AppGetMainWnd(), WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

LRESULT CEditViewOutput::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_KEYDOWN:
        if (OnKeyDown(static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_CHAR:
        return 0; // nothing is typed into the output
    case WM_RBUTTONDOWN:
        OnRightButtonDown(lParam);
        return 0;
    case WM_CONTEXTMENU:
        return 0; // the output menu replaces the edit control's own
    default:
        break;
    }
    return CEditView::WindowProc(message, wParam, lParam);
}
