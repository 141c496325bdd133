#pragma once
// CListCtrlEmptyTitle: a title-tip list that paints a text of its own while it holds no
// rows (in report view below the header), so that an empty result says so.
#include "framework/CTtListCtrl.h"

class CListCtrlEmptyTitle : public CTtListCtrl
{
public:
    // Loads the empty-list text from the string table.
    void SetEmptyTitle(UINT stringId);
    void SetEmptyTitle(const wchar_t* text);
    const CString& GetEmptyTitle() const { return m_emptyTitle; }
    // Where the empty-list text goes, in client coordinates.
    RECT EmptyTitleRect() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void PaintEmpty();

    CString m_emptyTitle;
};
