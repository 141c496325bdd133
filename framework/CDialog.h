#pragma once
// CDialog: a dialog window of a template, bound to this object (CDialogTemplate).
//
// Modal: DoModal runs it on the caller's stack and returns the end code (EndDialog).
// Modeless: Create makes it, and the message loops run its keyboard interface
// (AppAddModelessDialog); EndDialog, which OK and Cancel call, hides it and keeps the end
// code, and the window lives until the object goes or DestroyWindow.
//
// Data in, data out: a derived dialog keeps its values in fields and moves them through
// DoDataExchange; OnInitDialog loads them into the controls and OnOK saves them back
// (UpdateData), refusing to end while a value is wrong: the user gets the failure's text
// and the focus goes to its control.
//
// Messages are decoded once: WM_COMMAND into OnCommand (IDOK to OnOK, IDCANCEL to
// OnCancel), WM_NOTIFY into OnNotify. A control bound to an object sees its own
// notifications first (CWnd::OnChildNotify).
//
// A test drives a modal dialog through the modal hook: it runs inside the dialog's own
// loop once the dialog is initialised, and may set controls, send commands and end it.
#include "framework/CCommandHandlers.h"
#include "framework/CDialogData.h"
#include "framework/CDialogTemplate.h"

#include <functional>

class CDialog : public CWnd, public CDialogData, protected CCommandHandlers
{
public:
    // A dialog of the template of the resource module.
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    // A dialog of a template in memory, which the caller keeps alive.
    explicit CDialog(const DLGTEMPLATE* dialogTemplate, HWND parent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally (the parent, or else the main window, disabled meanwhile):
    // the end code, or -1 when the dialog cannot be made.
    INT_PTR DoModal();
    // Makes the modeless dialog (shown when its template says so); false when it cannot
    // be made or the object holds a window already.
    bool Create(HWND parent = nullptr);
    bool IsModal() const { return m_modal; }

    // Ends the dialog with the code: DoModal returns it; a modeless dialog hides.
    void EndDialog(INT_PTR code);
    // The code of the last EndDialog; 0 before any.
    INT_PTR GetEndCode() const { return m_endCode; }

    HWND GetDlgItem(UINT id) const { return ::GetDlgItem(GetSafeHwnd(), static_cast<int>(id)); }

    // Runs for every modal dialog once it is initialised, inside its modal loop; an empty
    // hook stops that. Returns the previous hook.
    using ModalHook = std::function<void(CDialog& dialog)>;
    static ModalHook SetModalHook(ModalHook hook);

protected:
    // Loads the fields into the controls; TRUE lets the dialog manager give the focus to
    // the first control, FALSE when the handler placed the focus itself.
    virtual BOOL OnInitDialog();
    // Saves the fields and ends with IDOK unless a value is wrong.
    virtual void OnOK();
    // Ends with IDCANCEL.
    virtual void OnCancel();
    // IDOK to OnOK, IDCANCEL to OnCancel.
    bool OnCommand(UINT code, UINT id, HWND control) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND DataWindow() const override { return GetSafeHwnd(); }
    HWND OwnerForModal() const;

    CDialogTemplate m_template;
    HWND m_parent;
    bool m_modal = false;
    INT_PTR m_endCode = 0;
};
