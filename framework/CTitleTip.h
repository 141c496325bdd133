#pragma once
// CTitleTip: a small popup that shows the whole text of a cell or field its control cuts
// off. One line sized to the text and placed over the cell (Show), or several lines split
// at line breaks (ShowLines). While a plain tip is up it holds the mouse capture; a move
// out of the hover area or any button press hides it and goes on to the window under the
// cursor (a second left press within the double-click time as a double click), so the tip
// never gets in the way. A timed tip holds no capture and hides itself after a delay.
// The shown text is also the popup's window text.
#include "framework/CString.h"
#include "framework/CArray.h"
#include "framework/CWnd.h"

class CTitleTip : public CWnd
{
public:
    static constexpr UINT_PTR kHideTimer = 3993;
    static constexpr const wchar_t* kClassName = L"ZTitleTip";

    // Registers the popup's window class unless it is registered already; throws
    // CResourceException when it cannot be registered.
    CTitleTip();
    ~CTitleTip() override;

    bool Create(CWnd* parent);
    // A one-line tip over the cell (parent's client coordinates): text drawn textOffset
    // pixels right of the cell's left edge; yOffset is added to the mouse's y before the
    // hover test. A text that fits its cell shows no tip unless timed.
    void Show(const RECT& cell, const wchar_t* text, int textOffset = 0, int yOffset = 0, bool timed = false);
    // A tip of the text's lines ("\n" separated) next to the rectangle (parent's client
    // coordinates), grown by the margins.
    void ShowLines(const RECT& rect, const wchar_t* text, int xMargin, int yMargin, bool timed = false);
    void Hide();
    // Hides the tip when its owner gets a system key or is being hidden; the owner passes
    // each of its messages and handles the one returned. A left press of the owner that
    // completes a double click whose first press went to the tip comes back as
    // WM_LBUTTONDBLCLK: the system cannot see a double click split between two windows.
    UINT OnOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void SetHideDelay(UINT ms) { m_hideDelay = ms; }
    bool IsTimed() const { return m_timed; }
    // The area, in the tip's client coordinates, the mouse may move in without hiding it.
    const RECT& GetHoverRect() const { return m_hoverRect; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Ends a running timed tip and tells whether a new tip may show (text, not shown
    // yet, a window of the thread holds the focus).
    bool ResetForShow(const wchar_t* text);
    // Puts the tip, given in screen coordinates, on top without activating it, then
    // starts the timer or takes the capture.
    void Place(RECT rect, bool timed);
    // Moves a screen rectangle so that it lies on the screen; the distance moved.
    static POINT FitToScreen(RECT& rect);
    // Cuts a text wider than the screen, ending it in "..."; its width in the DC.
    static int MeasureText(HDC dc, CString& text);
    // Hides the tip and passes a mouse message (tip client coordinates) on to the window
    // under the cursor; the window it went to.
    HWND PassMouseOn(UINT message, WPARAM wParam, LPARAM lParam);
    // Whether a left press at the screen point and time ends a double click begun by the
    // last press on the tip.
    bool IsSecondPress(POINT point, DWORD time) const;
    void Paint();
    HFONT ParentFont() const;

    CWnd* m_parent = nullptr;
    RECT m_hoverRect = {};
    // The last single press on the tip (its time and screen point; no time once a double
    // click ended it), and whether the owner has still to receive it.
    DWORD m_lastPressTime = 0;
    POINT m_lastPressPoint = {};
    bool m_passedPressPending = false;
    int m_yOffset = 0;
    bool m_timed = false;
    UINT m_hideDelay = 5000;
    CString m_text;
    CStringArray m_lines;
    CString m_lineSeparator = L"\n";
    int m_lineHeight = 0;
    int m_xMargin = 0;
    int m_yMargin = 0;
    HFONT m_font = nullptr;
};
