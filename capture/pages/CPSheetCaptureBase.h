#pragma once
// CPSheetCaptureBase: what the two sheets of the capture views share: they live as child
// sheets of a host, exchange their pages when the host shows another record type (every
// page of the new type gets its window at once), offer F1 to the program's help and pop
// up the capture action menu on a right click.
#include "framework/CPropertySheet.h"

#include <memory>
#include <vector>

class CPSheetCaptureBase : public CPropertySheet
{
public:
    // No type shown yet.
    static const int kNoType = 28;

    ~CPSheetCaptureBase() override;

    // Makes the sheet a child of the host (CreateChildPropertySheet).
    bool Create(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0);
    // Replaces the pages by those of the type (unless it is shown already and not
    // forced) and opens the page of the index (the first when the type has no such page);
    // before the sheet's window is made, the page the window opens on.
    void ShowPages(int type, int activePage, bool force);
    int GetShownType() const { return m_type; }

    using Pages = std::vector<std::unique_ptr<CPropertyPage>>;

protected:
    // The pages of the type, in order; none for a type without pages.
    virtual Pages CreatePages(int type) = 0;
    const Pages& GetPages() const { return m_pages; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Pages m_pages;
    int m_type = kNoType;
};
