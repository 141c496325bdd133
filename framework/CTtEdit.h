#pragma once
// CTtEdit: an edit control that shows its whole text in a title tip when the mouse rests
// on it and the text does not fit, or a text of its own (several lines) when one is set.
#include "framework/CEdit.h"
#include "framework/CTitleTip.h"

class CTtEdit : public CEdit
{
public:
    // A tip text of its own, shown whether or not the edit's text fits; empty: the
    // edit's own text.
    void SetTipText(const wchar_t* text);
    CTitleTip& GetTitleTip() { return m_titleTip; }

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void TrackMouse();
    void ShowTip(POINT point);

    CTitleTip m_titleTip;
    bool m_customText = false;
    CString m_tipText;
    bool m_tipShown = false;
    bool m_tracking = false;
    POINT m_lastClick = {-1, -1};
};
