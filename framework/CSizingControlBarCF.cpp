#include "framework/CSizingControlBarCF.h"

#include "framework/Handles.h"

namespace
{
int CALLBACK FoundFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool HasFontFamily(const wchar_t* face)
{
    CClientDCHandle screen(nullptr);
    LOGFONTW wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(screen, &wanted, &FoundFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

const int kGradientBands = 64;
} // namespace

CSizingControlBarCF::CSizingControlBarCF() : m_sFontFace(HasFontFamily(L"Tahoma") ? L"Tahoma" : L"Arial")
{
}

RECT CSizingControlBarCF::CaptionRect() const
{
    RECT client = ClientRectInWindow();
    RECT close = CloseButtonRect();
    RECT caption;
    if (IsHorzDocked())
        caption = {client.left - 13, close.bottom + 3, client.left - 2, client.bottom};
    else
        caption = {client.left, client.top - 13, close.left - 3, client.top - 2};
    // Widened by a pixel on each long side.
    if (IsHorzDocked())
        InflateRect(&caption, 1, 0);
    else
        InflateRect(&caption, 0, 1);
    return caption;
}

void CSizingControlBarCF::FillCaption(HDC dc, const RECT& caption) const
{
    COLORREF from = GetSysColor(m_bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    BOOL gradient = FALSE;
    SystemParametersInfoW(SPI_GETGRADIENTCAPTIONS, 0, &gradient, 0);
    if (!gradient)
    {
        SetBkColor(dc, from);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &caption, nullptr, 0, nullptr);
        return;
    }
    COLORREF to = GetSysColor(m_bActive ? COLOR_GRADIENTACTIVECAPTION : COLOR_GRADIENTINACTIVECAPTION);
    bool vertical = IsHorzDocked();
    int length = vertical ? caption.bottom - caption.top : caption.right - caption.left;
    for (int band = 0; band < kGradientBands; ++band)
    {
        auto mix = [&](int a, int b) { return a + (b - a) * band / (kGradientBands - 1); };
        COLORREF colour = RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                              mix(GetBValue(from), GetBValue(to)));
        int start = length * band / kGradientBands;
        int end = length * (band + 1) / kGradientBands;
        RECT part = caption;
        if (vertical)
        {
            // The caption of a bar at the top or bottom reads upwards: it starts at the foot.
            part.bottom = caption.bottom - start;
            part.top = caption.bottom - end;
        }
        else
        {
            part.left = caption.left + start;
            part.right = caption.left + end;
        }
        SetBkColor(dc, colour);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &part, nullptr, 0, nullptr);
    }
}

void CSizingControlBarCF::DrawTitle(HDC dc, const RECT& caption) const
{
    wchar_t title[256] = L"";
    int length = GetWindowTextW(GetSafeHwnd(), title, 256);
    CClientDCHandle screen(nullptr);
    int points = MulDiv(85, 96, GetDeviceCaps(screen, LOGPIXELSX)); // tenths of a point
    LOGFONTW face = {};
    face.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 720);
    face.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(face.lfFaceName, m_sFontFace.GetString(), LF_FACESIZE);
    bool vertical = IsHorzDocked();
    if (vertical)
        face.lfEscapement = face.lfOrientation = 900;
    CGdiHandle<HFONT> font(CreateFontIndirectW(&face));
    CSelectedObject selected(dc, font);
    SetTextColor(dc, GetSysColor(m_bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    SetBkMode(dc, TRANSPARENT);
    int x = vertical ? caption.left - 1 : caption.left + 3;
    int y = vertical ? caption.bottom - 3 : caption.top - 1;
    ExtTextOutW(dc, x, y, ETO_CLIPPED, &caption, title, static_cast<UINT>(length), nullptr);
}

void CSizingControlBarCF::NcPaintGripper(HDC dc, const RECT&)
{
    if (!HasGripper())
        return;
    RECT caption = CaptionRect();
    FillCaption(dc, caption);
    DrawTitle(dc, caption);
    PaintCloseButton(dc);
}

void CSizingControlBarCF::OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler)
{
    CSizingControlBarG::OnUpdateCmdUI(target, disableIfNoHandler);
    HWND focus = GetFocus();
    bool active = focus && (focus == GetSafeHwnd() || IsChild(GetSafeHwnd(), focus));
    if (active == m_bActive)
        return;
    m_bActive = active;
    RepaintNonClient();
}
