#pragma once
// CDataExchange: one run of a dialog's data exchange, between its fields and its controls.
// Loading (IsSaving false) puts the fields into the controls; saving reads and validates
// the controls into the fields. The first value that cannot be taken fails the run: it
// keeps the control and a full-sentence text for the user, and every later exchange of
// the run does nothing. A DDV_ check follows its DDX_ exchange, so the value it refuses is
// in its field already; the dialog's caller reads the fields only after IDOK.
//
// The DDX_ functions move one value; the DDV_ functions check a saved value. The parsing
// and checking they use are plain functions (AppParseInt, ...) for tests to call directly.
#include "framework/CString.h"

class CDataExchange
{
public:
    CDataExchange(HWND dialog, bool saving) : m_dialog(dialog), m_saving(saving) {}

    HWND GetDialog() const { return m_dialog; }
    bool IsSaving() const { return m_saving; }
    // A control of the dialog; it becomes the control a failure points at.
    HWND PrepareControl(UINT id);
    HWND GetLastControl() const { return m_lastControl; }

    bool HasFailed() const { return m_failed; }
    // Fails the run at the last prepared control.
    void Fail(const CString& text);
    const CString& GetFailureText() const { return m_failureText; }
    // The control of the failure (null when the run has not failed).
    HWND GetFailedControl() const { return m_failed ? m_lastControl : nullptr; }

private:
    HWND m_dialog;
    bool m_saving;
    HWND m_lastControl = nullptr;
    bool m_failed = false;
    CString m_failureText;
};

// A whole decimal integer (blanks around it allowed) that fits an int; false otherwise.
bool AppParseInt(const CString& text, int& value);
// The text asking for an integer between the bounds.
CString AppIntRangeText(int minimum, int maximum);

// An edit control's text.
void DDX_Text(CDataExchange& dx, UINT id, CString& value);
// An edit control's integer; saving fails on a text that is no integer.
void DDX_Text(CDataExchange& dx, UINT id, int& value);
// A check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange& dx, UINT id, int& value);
// A group of radio buttons, from the first button (WS_GROUP) to the next group: the index
// of the checked one, -1 for none.
void DDX_Radio(CDataExchange& dx, UINT id, int& value);
// A combo box's selected index (-1: none).
void DDX_CBIndex(CDataExchange& dx, UINT id, int& value);
// A combo box's text; loading selects the item of that exact text when there is one.
void DDX_CBString(CDataExchange& dx, UINT id, CString& value);
// A list box's selected index (-1: none).
void DDX_LBIndex(CDataExchange& dx, UINT id, int& value);

// Saving fails when the value is outside the bounds.
void DDV_MinMaxInt(CDataExchange& dx, int value, int minimum, int maximum);
// Limits the control to the length on loading; saving fails on a longer text.
void DDV_MaxChars(CDataExchange& dx, const CString& value, int maxLength);
