#pragma once
// CFormView: a view made of a dialog template, as a child dialog (CDialogTemplate): its
// controls take the dialog manager's keyboard interface in the message loops (Tab, arrow
// keys, mnemonics), after the accelerators of the frame around it. Its values move
// through DoDataExchange as a dialog's do; OnInitialUpdate loads them into the controls.
#include "framework/CDialogData.h"
#include "framework/CDialogTemplate.h"
#include "framework/CView.h"

class CFormView : public CView, public CDialogData
{
public:
    // The template of the resource module; its style becomes a child dialog's.
    explicit CFormView(UINT templateId) : m_template(templateId) {}
    ~CFormView() override;

    void OnInitialUpdate() override;
    HWND GetDlgItem(UINT id) const { return ::GetDlgItem(GetSafeHwnd(), static_cast<int>(id)); }

protected:
    bool CreateViewWindow(HWND parent, UINT id, const RECT& rect, DWORD style) override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND DataWindow() const override { return GetSafeHwnd(); }

    CDialogTemplate m_template;
};
