#pragma once
// CPPageSettsBase: what the capture-settings pages share. A settings page shows the
// settings of one record type that belong to no record of it and stores every change at
// once (no page copy, no Save or Revert). It remembers itself as the record type's last
// settings page when the user opens it and, when asked to, pops up the capture action
// menu on a right click of its background.
#include "framework/CPropertyPage.h"

class CPPageSettsBase : public CPropertyPage
{
public:
    // type: the record type the sheet shows; pageIndex: the page's place among its pages.
    CPPageSettsBase(UINT templateId, int type, int pageIndex, bool actionMenu);

    int GetRecordType() const { return m_type; }

protected:
    bool OnSetActive() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The record type the sheet of the page shows now; 0 before the page is in a sheet.
    int GetSheetType() const;
    // Fills a drop-down list with the three hot keys (0 to 2) and selects the index.
    void FillHotKeyCombo(UINT id, int index);
    int GetComboIndex(UINT id) const;
    bool IsChecked(UINT id) const;
    void SetCheck(UINT id, bool checked);

private:
    int m_type;
    int m_pageIndex;
    bool m_actionMenu;
};
