#pragma once
// CPPagePropertiesCaptureType: the page a capture kind (1..5) shows instead of a record's
// pages: its items with a description; a double click (or "Show Properties" of the row's
// menu) shows the item's pages through the host, as if it had been chosen in the tree.
#include "framework/CPropertyPage.h"

#include <commctrl.h>

class CPPagePropertiesCaptureType : public CPropertyPage
{
public:
    explicit CPPagePropertiesCaptureType(int kind);
    ~CPPagePropertiesCaptureType() override;

    int GetKind() const { return m_kind; }

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The record type of the list's row; -1 beside the rows.
    int RowType(int row) const;
    void ShowRowType(int row);
    void ShowRowMenu(int row);

    int m_kind;
    HIMAGELIST m_images = nullptr;
};
