#include "framework/CEditView.h"

#include "framework/AppPrintSetup.h"
#include "framework/AppTextPages.h"
#include "framework/AppWindowText.h"
#include "framework/Handles.h"

#include <algorithm>
#include <commdlg.h>

namespace
{
// The margin on every side of a printed page, in hundredths of an inch.
const int kMarginHundredths = 50;
} // namespace

bool CEditView::CreateViewWindow(HWND parent, UINT id, const RECT& rect, DWORD style)
{
    if (!CreateControl(0, L"EDIT", L"", style | m_editStyle, rect, parent, id))
        return false;
    LimitText(0); // as much text as the control can hold, not the 32767 characters of a new one
    return true;
}

HFONT CEditView::CreatePrinterFont(HDC printer) const
{
    auto font = reinterpret_cast<HFONT>(SendMessageW(*this, WM_GETFONT, 0, 0));
    LOGFONTW shape = {};
    if (!font || !GetObjectW(font, sizeof(shape), &shape))
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(shape), &shape);
    // The font's height in screen pixels becomes the same height in printer dots.
    int screenDpi = GetDeviceCaps(CClientDCHandle(), LOGPIXELSY);
    shape.lfHeight = MulDiv(shape.lfHeight, GetDeviceCaps(printer, LOGPIXELSY), screenDpi);
    shape.lfWidth = 0;
    return CreateFontIndirectW(&shape);
}

bool CEditView::Fail(HDC printer, const wchar_t* step)
{
    DWORD error = GetLastError();
    AbortDoc(printer);
    m_printFailure.Format(L"The text could not be printed: the printer refused %s (error %lu).", step, error);
    return false;
}

bool CEditView::PrintTo(HDC printer, const CString& documentName)
{
    m_printFailure.Empty();
    CGdiHandle<HFONT> font(CreatePrinterFont(printer));
    if (!font)
    {
        m_printFailure = L"The text could not be printed: no font could be made for the printer.";
        return false;
    }
    CSelectedObject selected(printer, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(printer, &metrics);
    const int marginX = MulDiv(GetDeviceCaps(printer, LOGPIXELSX), kMarginHundredths, 100);
    const int marginY = MulDiv(GetDeviceCaps(printer, LOGPIXELSY), kMarginHundredths, 100);
    const int lineHeight = (std::max)(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    auto measure = [printer](const CString& text) {
        SIZE size = {};
        GetTextExtentPoint32W(printer, text, text.GetLength(), &size);
        return static_cast<int>(size.cx);
    };
    auto pages = AppLayOutPages(AppGetWindowText(*this), GetDeviceCaps(printer, HORZRES) - 2 * marginX,
                                (GetDeviceCaps(printer, VERTRES) - 2 * marginY) / lineHeight, measure);

    DOCINFOW document = {sizeof(document)};
    document.lpszDocName = documentName;
    if (StartDocW(printer, &document) <= 0)
        return Fail(printer, L"the document");
    for (const AppTextPage& page : pages)
    {
        if (StartPage(printer) <= 0)
            return Fail(printer, L"a page");
        // A printer driver may reset the device context at every page.
        SelectObject(printer, font);
        int y = marginY;
        for (const CString& line : page)
        {
            TextOutW(printer, marginX, y, line, line.GetLength());
            y += lineHeight;
        }
        if (EndPage(printer) <= 0)
            return Fail(printer, L"a page");
    }
    return EndDoc(printer) > 0 || Fail(printer, L"the end of the document");
}

bool CEditView::Print(const CString& documentName)
{
    PRINTDLGW dialog = {};
    dialog.hwndOwner = GetAncestor(*this, GA_ROOT);
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    m_printFailure.Empty();
    if (!AppPrintDialog(dialog))
        return false;
    CCreatedDCHandle printer(dialog.hDC);
    return PrintTo(printer, documentName);
}
