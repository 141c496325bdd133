#pragma once
// CNumberEdit: an edit control for whole numbers of a number type within [minimum,
// maximum]. While typing only the maximum is checked: a key that would pass it is dropped
// with the range message; pasted or otherwise changed text that holds anything but digits,
// begins with "00" or passes the maximum is replaced by the last accepted number. An
// emptied field takes back its last accepted number when it loses the focus. The whole
// range is checked by Validate (a dialog's OK).
#include "framework/CEdit.h"

class CNumberEdit : public CEdit
{
public:
    enum NumberType
    {
        kNone = 0,
        kUnsigned16 = 1,
        kUnsigned32 = 2,
        kUnsigned32Alt = 3
    };
    static constexpr const wchar_t* kRangeMessage =
        L"The value for this field should be between %.0f and %.0f. Please correct.";

    void SetType(int type);
    void SetMin(double minimum);
    void SetMax(double maximum);
    int GetType() const { return m_type; }
    double GetMin() const { return m_min; }
    double GetMax() const { return m_max; }
    const CString& GetLastAccepted() const { return m_lastText; }

    // True when the text's number lies within [minimum, maximum]; else shows the range
    // message (information box), focuses the control and returns false.
    bool Validate(const wchar_t* text);
    // True when the text's number (an empty text counts as 0) lies within [minimum, maximum].
    bool IsInRange(const wchar_t* text) const;
    // The range message with this control's minimum and maximum.
    CString GetRangeMessage() const;
    // Whether the character may be typed into the text at the caret (-1: with a
    // selection); beeps when not.
    bool IsCharAcceptable(const CString& text, wchar_t ch, int caret) const;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ApplyLimits();
    bool IsRangeChecked() const { return m_type >= kUnsigned16 && m_type <= kUnsigned32Alt; }
    // The maximum check while typing, with the range message when passed.
    bool ValidateMaximum(const CString& text);
    // False when the typed character is to be dropped.
    bool OnChar(wchar_t ch);
    void OnTextChanged();
    void RestoreLastAccepted();
    CString Text() const;

    int m_type = kNone;
    double m_min = 0.0;
    double m_max = 0.0;
    CString m_lastText;
    int m_selStart = 0;
    int m_selEnd = 0;
    bool m_restoring = false;
};
