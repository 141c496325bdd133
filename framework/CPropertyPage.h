#pragma once
// CPropertyPage: one page of a property sheet (CPropertySheet), made of a dialog template
// of the resource module and bound to this object when comctl32 creates its window. The
// tab shows the template's title unless a caption string is given.
//
// The sheet's notifications are decoded into OnSetActive, OnKillActive and OnApply; the
// value each returns goes back to the sheet as the message's result. Controls and values
// move through DoDataExchange as in a dialog. A page object may outlive its window: the
// sheet destroys the window when the page is removed, and the owner deletes the object.
//
// In a wizard sheet a page answers Back and Next with the template id of the page to
// show (0: the neighbour, -1: stay) and Finish with whether the sheet may close; its
// Wizard97 header shows a title and subtitle from the string table, or none.
#include "framework/CCommandHandlers.h"
#include "framework/CDialogData.h"
#include "framework/CWnd.h"

#include <commctrl.h>

class CPropertyPage : public CWnd, public CDialogData, protected CCommandHandlers
{
public:
    // headerSize: the size of the page header the sheet is given (a version-2 page
    // unless said otherwise).
    explicit CPropertyPage(UINT templateId, UINT captionId = 0, DWORD headerSize = PROPSHEETPAGEW_V2_SIZE);
    ~CPropertyPage() override;

    // A new page handle for the sheet; the sheet owns it once added. Null on failure.
    HPROPSHEETPAGE CreatePageHandle();
    // The sheet window the page is in; null before the page has a window.
    HWND GetSheetWindow() const;
    HWND GetDlgItem(UINT id) const { return ::GetDlgItem(GetSafeHwnd(), static_cast<int>(id)); }
    UINT GetTemplateId() const { return m_templateId; }

    // The Wizard97 header's title and subtitle string ids, or a page without header.
    void SetWizardHeader(UINT titleId, UINT subtitleId);
    void HideWizardHeader() { m_hideHeader = true; }
    // Posts the wizard buttons (PSWIZB_*) to the sheet.
    void SetWizardButtons(DWORD buttons) const;

protected:
    // Loads the values into the controls; TRUE lets the dialog manager give the focus.
    virtual BOOL OnInitDialog();
    // The page becomes the current page; false refuses.
    virtual bool OnSetActive();
    // The page is left; false keeps it current (the default: the values do not save).
    virtual bool OnKillActive();
    // The sheet's Apply or OK; false keeps the sheet open on this page.
    virtual bool OnApply();
    // Wizard buttons: the page to show (template id), 0 for the neighbour, -1 to stay.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // Finish: true lets the sheet close.
    virtual bool OnWizardFinish();

    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND DataWindow() const override { return GetSafeHwnd(); }
    static INT_PTR CALLBACK BindingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    UINT m_captionId;
    DWORD m_headerSize;
    CString m_caption;
    UINT m_headerTitleId = 0;
    UINT m_headerSubtitleId = 0;
    bool m_hideHeader = false;
    CString m_headerTitle;
    CString m_headerSubtitle;
};
