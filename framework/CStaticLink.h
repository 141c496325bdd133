#pragma once
// CStaticLink: a static text control shown as a hyperlink. Its text is drawn underlined
// in the link colour, the hand cursor shows over it, and a click opens the link (the
// control's own text unless SetLink gave another) with the shell; once an open has
// succeeded the text keeps the visited colour. Icon and frame statics keep their look
// and still open their link. The parent's WM_CTLCOLORSTATIC and STN_CLICKED from the
// control come back to it (CWnd::OnChildNotify).
#include "framework/CStatic.h"
#include "framework/CString.h"

class CStaticLink : public CStatic
{
public:
    static constexpr COLORREF kLinkColour = RGB(0, 0, 255);
    static constexpr COLORREF kVisitedColour = RGB(128, 0, 128);

    CStaticLink();
    ~CStaticLink() override;

    // Sets the link; an empty text leaves it as it was.
    void SetLink(const wchar_t* link);
    const CString& GetLink() const { return m_link; }
    bool IsVisited() const { return m_visited; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool OnControlColour(HDC dc, LRESULT& result);
    void OnClicked();

    COLORREF m_linkColour = kLinkColour;
    COLORREF m_visitedColour = kVisitedColour;
    bool m_visited = false;
    CString m_link;
    HFONT m_font = nullptr;
    HCURSOR m_cursor;
};
