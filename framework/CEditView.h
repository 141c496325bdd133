#pragma once
// CEditView: a view that is an edit control (multi-line; the edit messages by name through
// CEditOps), which prints its text: laid out in pages of the printer (AppLayOutPages) in
// the view's font at the printer's resolution, inside half-inch margins.
#include "framework/CEditOps.h"
#include "framework/CView.h"

class CEditView : public CView, public CEditOps<CEditView>
{
public:
    // The edit styles of a view that shows long lines with both scroll bars.
    static const DWORD kDefaultEditStyle =
        ES_MULTILINE | ES_NOHIDESEL | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL;

    // editStyle: the edit and scroll-bar styles added to those Create gets.
    explicit CEditView(DWORD editStyle = kDefaultEditStyle) : m_editStyle(editStyle | ES_MULTILINE) {}

    // Asks the user for a printer (the print dialog), then prints; false when the user
    // cancelled (no failure text) or printing failed (GetPrintFailure).
    bool Print(const CString& documentName);
    // Prints the text on the printer's device context as one document of the name.
    bool PrintTo(HDC printer, const CString& documentName);
    const CString& GetPrintFailure() const { return m_printFailure; }

protected:
    bool CreateViewWindow(HWND parent, UINT id, const RECT& rect, DWORD style) override;

private:
    // The view's font made for the printer's resolution; null when it cannot be made.
    HFONT CreatePrinterFont(HDC printer) const;
    bool Fail(HDC printer, const wchar_t* step);

    DWORD m_editStyle;
    CString m_printFailure;
};
