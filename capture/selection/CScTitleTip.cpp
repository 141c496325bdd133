#include "capture/selection/CScTitleTip.h"

namespace
{
const wchar_t* const kClassName = L"ZScTitleTip";

// The tip's class has a name of its own, so other programs can find tips by class.
void RegisterTipClass()
{
    AppRegisterNamedWndClass(kClassName, CS_SAVEBITS, LoadCursorW(nullptr, IDC_ARROW),
                             reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_INFOBK + 1)));
}
} // namespace

CScTitleTip::CScTitleTip()
{
    RegisterTipClass();
    m_font = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
}

CScTitleTip::~CScTitleTip()
{
    DestroyWindow();
    if (m_font)
        DeleteObject(m_font);
}

bool CScTitleTip::Create(CWnd* owner)
{
    m_owner = owner;
    const RECT none{};
    return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP | WS_BORDER, none,
                    owner ? owner->GetSafeHwnd() : nullptr, 0);
}

void CScTitleTip::Show(const RECT& rect, const CString& text)
{
    Place(rect, text);
    m_shown = true;
    SetTimer(*this, kHideTimer, m_hideDelay, nullptr);
}

void CScTitleTip::MoveTo(const RECT& rect, const CString& text)
{
    Place(rect, text);
}

void CScTitleTip::SetText(const CString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    InvalidateRect(*this, nullptr, TRUE);
}

void CScTitleTip::Place(const RECT& rect, const CString& text)
{
    m_rect = rect;
    SetText(text);
    SetWindowPos(*this, HWND_TOP, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

LRESULT CScTitleTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CScTitleTip::OnTimer(UINT_PTR id)
{
    if (id != kHideTimer)
        return;
    m_shown = false;
    KillTimer(*this, kHideTimer);
    DestroyWindow();
}

void CScTitleTip::OnPaint()
{
    // The paint validates the window whether the tip was placed with Show or MoveTo, so
    // no WM_PAINT is left pending.
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(*this, &paint);
    HGDIOBJ oldFont = SelectObject(dc, m_font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_textColor);
    TextOutW(dc, 5, 3, m_text, m_text.GetLength());
    SelectObject(dc, oldFont);
    EndPaint(*this, &paint);
}
