#pragma once
// CPropertySheet: a property sheet that lives as a child window of a host window (a view,
// a dialog): modeless, made of comctl32's sheet template turned into a child control
// (WS_CHILD | WS_VISIBLE | DS_CONTROL, keeping DS_SETFONT, without which the sheet is
// refused), with its OK, Cancel, Apply and Help buttons hidden. Pages are exchanged
// while it lives (AddPage, RemovePage); the sheet destroys the window of a removed page,
// and the page objects belong to whoever added them.
//
// The loop hands the sheet's keyboard messages to the sheet (Tab, arrows, mnemonics)
// through PreTranslateMessage, after the windows around it have had them (their
// accelerators, a splitter's F6).
//
// A wizard sheet (SetWizard) is a top-level window instead: made modeless by CreateWizard
// (a test drives it and waits for IsWizardEnded) or run by DoModal, which disables the
// parent and pumps until the user finishes or cancels.
#include "framework/CPropertyPage.h"

#include <vector>

class CPropertySheet : public CWnd
{
public:
    CPropertySheet() = default;
    ~CPropertySheet() override;

    // Makes the sheet a child of parent with the pages added so far (at least one); the
    // style and extended style of the sheet window are set to those given. False when
    // the sheet could not be made.
    bool CreateChild(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);

    // Wizard mode: the caption, the header flags added to PSH_WIZARD (PSH_WIZARD97 ...),
    // and the watermark and header bitmaps of the resource module (0: none).
    void SetWizard(const CString& caption, DWORD flags, UINT watermarkId = 0, UINT headerId = 0);
    // Makes the wizard window, modeless; false when it could not be made.
    bool CreateWizard(HWND parent);
    // The wizard ended: finished or cancelled (its window is then of no more use).
    bool IsWizardEnded() const;
    // Runs the wizard: IDOK when a page let it finish, else IDCANCEL.
    INT_PTR DoModal(HWND parent);
    // Set by the page whose Finish let the wizard close.
    void SetFinished() { m_finished = true; }
    bool IsFinished() const { return m_finished; }

    // Adds the page at the end (to the window, when there is one).
    bool AddPage(CPropertyPage& page);
    // Removes the page of the index; the sheet destroys its window.
    bool RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;

    // The current page's index; -1 without a window or page.
    int GetActiveIndex() const;
    // Makes the page of the index current; before the window is made, the page the
    // sheet opens on.
    bool SetActivePage(int index);
    HWND GetTabControl() const;

    // True while the program replaces or selects pages itself: a page that becomes current
    // meanwhile is not the user's choice.
    bool IsSelectingByProgram() const { return m_selectingByProgram; }
    void SetSelectingByProgram(bool selecting) { m_selectingByProgram = selecting; }

    bool PreTranslateMessage(MSG& message) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static int CALLBACK SheetCallback(HWND sheet, UINT message, LPARAM lParam);
    // Makes the modeless sheet window of the pages with the header flags and binds it.
    bool MakeSheet(HWND parent, DWORD flags);
    void HideButtons();

    std::vector<CPropertyPage*> m_pages;
    int m_startPage = 0;
    bool m_selectingByProgram = false;
    CString m_caption;
    DWORD m_wizardFlags = 0;
    UINT m_watermarkId = 0;
    UINT m_headerId = 0;
    bool m_finished = false;
    bool m_wizard = false;
};
