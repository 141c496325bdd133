#include "capture/pages/CPSheetCaptureBase.h"

#include "capture/pages/ICapturePageHost.h"
#include "capture/pages/SheetPlacement.h"
#include "common/AppHelp.h"

CPSheetCaptureBase::~CPSheetCaptureBase()
{
    // The pages' windows go first, while their objects still live.
    DestroyWindow();
}

bool CPSheetCaptureBase::Create(HWND parent, DWORD style, DWORD exStyle)
{
    if (!CreateChildPropertySheet(parent, *this, style, exStyle))
        return false;
    RefreshSheetPages(*this, true);
    return true;
}

void CPSheetCaptureBase::ShowPages(int type, int activePage, bool force)
{
    if (!force && type == m_type)
        return;
    SetSelectingByProgram(true);
    // The new pages come in before the old ones go, so that the sheet always has a
    // current page while it changes over.
    Pages pages = CreatePages(type);
    const int oldCount = GetPageCount();
    for (auto& page : pages)
        AddPage(*page);
    for (int i = 0; i < oldCount; ++i)
        RemovePage(0);
    m_pages = std::move(pages);
    m_type = type;
    RefreshSheetPages(*this, true);
    // Without a window this picks the page the sheet opens on.
    SetActivePage(activePage > 0 && activePage < GetPageCount() ? activePage : 0);
    if (GetSafeHwnd() && IsWindowVisible(*this))
        InvalidateRect(GetParent(*this), nullptr, TRUE);
    SetSelectingByProgram(false);
}

LRESULT CPSheetCaptureBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_HELP && ProcessHelpKey())
        return TRUE;
    LRESULT result = CPropertySheet::WindowProc(message, wParam, lParam);
    if (message == WM_RBUTTONDOWN)
        ShowHostActionMenu();
    return result;
}
