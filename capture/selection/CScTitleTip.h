#pragma once
// CScTitleTip: a small topmost tip window with red text. It shows the size label while
// the user selects a capture area (placed with MoveTo, it stays until deleted) and the
// outcome of a capture (placed with Show, it hides itself after the hide delay).
#include "framework/CWnd.h"

class CScTitleTip : public CWnd
{
public:
    // Registers the tip's window class once per process and makes the font.
    CScTitleTip();
    ~CScTitleTip() override;

    // Creates the hidden, empty tip owned by owner (may be null).
    bool Create(CWnd* owner);
    // Places the tip at rect on top with text and hides it after the hide delay.
    void Show(const RECT& rect, const CString& text);
    // Places the tip at rect on top with text; it stays.
    void MoveTo(const RECT& rect, const CString& text);
    // Repaints the tip when text differs from the current one.
    void SetText(const CString& text);

    // The colour of the text (red unless set).
    void SetTextColour(COLORREF colour) { m_textColor = colour; }
    const CString& GetText() const { return m_text; }
    bool IsShown() const { return m_shown; }

    // The timer that hides a tip placed with Show.
    static const UINT_PTR kHideTimer = 5904;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Place(const RECT& rect, const CString& text);
    void OnTimer(UINT_PTR id);
    void OnPaint();

    CWnd* m_owner = nullptr;
    RECT m_rect{};
    CString m_text;
    HFONT m_font = nullptr;
    COLORREF m_textColor = RGB(255, 0, 0);
    bool m_shown = false;
    UINT m_hideDelay = 2000;
};
