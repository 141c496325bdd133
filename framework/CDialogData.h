#pragma once
// CDialogData: the data exchange of a window made of a dialog template (a dialog, a form
// view): its values live in fields that DoDataExchange moves to and from the controls.
#include "framework/CDataExchange.h"

class CDialogData
{
public:
    virtual ~CDialogData() = default;

    // Moves the values between the fields and the controls (saving: from the controls);
    // false when a value could not be taken: the user is told (ReportDataFailure) and the
    // focus goes to its control.
    bool UpdateData(bool saveAndValidate = true);

protected:
    // Moves each field with the DDX_ and DDV_ functions.
    virtual void DoDataExchange(CDataExchange& dx);
    // Tells the user why a value could not be taken (a message box).
    virtual void ReportDataFailure(const CString& text);

private:
    // The window of the controls.
    virtual HWND DataWindow() const = 0;
};
