#include "framework/CNumberEdit.h"

#include "framework/AppMessageBox.h"
#include "framework/AppWindowText.h"

#include <cwchar>

namespace
{
const double kMax16 = 65535.0;
const double kMax32 = 4294967295.0;

// Characters no number type takes: blanks, signs, punctuation, letters.
bool IsRefusedByTypes(wchar_t ch)
{
    return (ch >= 32 && ch <= 47) || ch >= 58;
}
} // namespace

void CNumberEdit::SetType(int type)
{
    m_type = type;
    ApplyLimits();
}

void CNumberEdit::SetMin(double minimum)
{
    m_min = minimum;
    ApplyLimits();
}

void CNumberEdit::SetMax(double maximum)
{
    m_max = maximum;
    ApplyLimits();
}

void CNumberEdit::ApplyLimits()
{
    if (!IsRangeChecked())
        return;
    if (m_min < 0)
        m_min = 0;
    const double top = m_type == kUnsigned16 ? kMax16 : kMax32;
    if (m_max > top)
        m_max = top;
}

CString CNumberEdit::Text() const
{
    return AppGetWindowText(GetSafeHwnd());
}

bool CNumberEdit::IsInRange(const wchar_t* text) const
{
    const double value = wcstod(text, nullptr);
    return value >= m_min && value <= m_max;
}

CString CNumberEdit::GetRangeMessage() const
{
    CString message;
    message.Format(kRangeMessage, m_min, m_max);
    return message;
}

bool CNumberEdit::Validate(const wchar_t* text)
{
    if (IsInRange(text))
        return true;
    AppMessageBox(GetRangeMessage(), MB_OK | MB_ICONINFORMATION, GetParent(GetSafeHwnd()));
    SetFocus(GetSafeHwnd());
    return false;
}

bool CNumberEdit::ValidateMaximum(const CString& text)
{
    if (text.IsEmpty() || wcstod(text, nullptr) <= m_max)
        return true;
    return Validate(text);
}

bool CNumberEdit::IsCharAcceptable(const CString& text, wchar_t ch, int caret) const
{
    bool refused = false;
    if (ch == L'0' && caret >= 0)
    {
        // A zero may not lead: not in front of a text, not after nothing but zeros.
        const bool onlyZerosBefore = caret > 0 && wcsspn(text.GetString(), L"0") >= static_cast<size_t>(caret);
        refused = (caret == 0 && !text.IsEmpty()) || onlyZerosBefore;
    }
    if (m_type >= kNone && m_type <= kUnsigned32Alt && IsRefusedByTypes(ch))
        refused = true;
    if (refused)
        MessageBeep(MB_OK);
    return !refused;
}

bool CNumberEdit::OnChar(wchar_t ch)
{
    const CString text = Text();
    GetSel(m_selStart, m_selEnd);
    const bool selection = m_selStart != m_selEnd;
    if (!IsCharAcceptable(text, ch, selection ? -1 : m_selStart))
        return false;
    if (selection || !IsRangeChecked())
        return true;
    CString future = text;
    if (ch == VK_BACK)
    {
        if (m_selStart == 0)
            return true;
        future = text.Left(m_selStart - 1) + text.Mid(m_selStart);
    }
    else if (iswdigit(ch) || ch == L'.')
    {
        future = text.Left(m_selStart) + CString(ch) + text.Mid(m_selStart);
    }
    return ValidateMaximum(future);
}

void CNumberEdit::RestoreLastAccepted()
{
    m_restoring = true;
    SetWindowTextW(GetSafeHwnd(), m_lastText);
    m_restoring = false;
    SetSel(m_selStart, m_selEnd);
}

void CNumberEdit::OnTextChanged()
{
    if (m_restoring)
        return;
    const CString text = Text();
    bool refused = text.Left(2) == L"00";
    if (m_type >= kNone && m_type <= kUnsigned32Alt)
        for (int i = 0; i < text.GetLength() && !refused; ++i)
            refused = IsRefusedByTypes(text[i]);
    if (refused)
        MessageBeep(MB_OK);
    else if (IsRangeChecked())
        refused = !ValidateMaximum(text);
    if (refused)
        RestoreLastAccepted();
    else if (!text.IsEmpty())
        m_lastText = text;
}

void CNumberEdit::PreSubclassWindow()
{
    m_lastText = Text();
}

LRESULT CNumberEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CHAR && !OnChar(static_cast<wchar_t>(wParam)))
        return 0;
    if (message == WM_KILLFOCUS && GetTextLength() == 0 && !m_lastText.IsEmpty())
    {
        m_selStart = 0;
        m_selEnd = m_lastText.GetLength();
        RestoreLastAccepted();
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

bool CNumberEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return false;
    OnTextChanged();
    result = 0;
    // The parent still learns of the change (its data exchange, its own checks).
    return false;
}
