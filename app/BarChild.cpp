#include "app/BarChild.h"

#include "common/AppHelp.h"

HFONT AppBarFont(HFONT& owned)
{
    owned = nullptr;
    if (HGDIOBJ stock = GetStockObject(DEFAULT_GUI_FONT))
        return static_cast<HFONT>(stock);
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    owned = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    return owned;
}

bool AppDecorateBarChild(HWND child, HFONT& owned)
{
    SetWindowLongPtrW(child, GWL_EXSTYLE, GetWindowLongPtrW(child, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    HFONT font = AppBarFont(owned);
    if (!font)
        return false;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return true;
}

void AppShowBarHelp()
{
    ShowHtmlHelp(0, 0, L"Vellumor.chm");
}
