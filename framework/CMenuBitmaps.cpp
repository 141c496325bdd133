#include "framework/CMenuBitmaps.h"

#include "framework/CToolBar.h"
#include "framework/Handles.h"

#include <algorithm>

namespace
{
// Draws the image in its disabled look: a grey-scale copy laid on the highlight colour.
void DrawDisabled(HDC dc, HIMAGELIST images, int image, int x, int y, SIZE size)
{
    CCreatedDCHandle memory(CreateCompatibleDC(dc));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB};
    void* bits = nullptr;
    CBitmapHandle bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return;
    CSelectedObject selected(memory, bitmap);
    COLORREF back = GetSysColor(COLOR_3DHIGHLIGHT);
    RECT all = {0, 0, size.cx, size.cy};
    SetBkColor(memory, back);
    ExtTextOutW(memory, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    ImageList_Draw(images, image, memory, 0, 0, ILD_TRANSPARENT);
    auto* pixel = static_cast<RGBQUAD*>(bits);
    for (int i = 0; i < size.cx * size.cy; ++i)
    {
        BYTE grey = static_cast<BYTE>((pixel[i].rgbRed * 30 + pixel[i].rgbGreen * 59 + pixel[i].rgbBlue * 11) / 100);
        // Light greys fade into the background; the image keeps its darker shapes.
        grey = static_cast<BYTE>(grey + (255 - grey) / 2);
        pixel[i] = {grey, grey, grey, 0};
    }
    BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}
} // namespace

void CMenuBitmaps::Register(CToolBar* toolBar)
{
    if (toolBar && std::find(m_toolBars.begin(), m_toolBars.end(), toolBar) == m_toolBars.end())
        m_toolBars.push_back(toolBar);
}

const CToolBar* CMenuBitmaps::FindImage(UINT id, int& image) const
{
    for (const CToolBar* toolBar : m_toolBars)
    {
        image = toolBar->GetImageIndex(id);
        if (image >= 0 && toolBar->GetImageList())
            return toolBar;
    }
    return nullptr;
}

void CMenuBitmaps::PreparePopup(HMENU popup) const
{
    int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i)
    {
        MENUITEMINFOW item = {sizeof(item)};
        item.fMask = MIIM_BITMAP;
        item.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &item);
    }
    MENUINFO info = {sizeof(info)};
    info.fMask = MIM_STYLE;
    GetMenuInfo(popup, &info);
    info.dwStyle |= MNS_CHECKORBMP;
    SetMenuInfo(popup, &info);
}

bool CMenuBitmaps::Measure(MEASUREITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU || m_toolBars.empty())
        return false;
    SIZE size = m_toolBars.front()->GetImageSize();
    item.itemHeight = (std::max)(static_cast<UINT>(size.cy + 2), item.itemHeight + 3);
    item.itemWidth = (std::max)(static_cast<UINT>(size.cx + 4), item.itemWidth);
    return true;
}

bool CMenuBitmaps::Draw(const DRAWITEMSTRUCT& item) const
{
    if (item.CtlType != ODT_MENU)
        return false;
    int image = -1;
    const CToolBar* toolBar = FindImage(item.itemID, image);
    if (!toolBar)
        return true; // a command without a button: no image
    SIZE size = toolBar->GetImageSize();
    const RECT& r = item.rcItem;
    int side = (std::max)(static_cast<int>(size.cx), static_cast<int>(r.bottom - r.top));
    RECT square = {r.left, r.top, r.left + side, r.top + (r.bottom - r.top)};
    int x = square.left + (side - size.cx) / 2;
    int y = square.top + (square.bottom - square.top - size.cy) / 2;
    if (item.itemState & (ODS_GRAYED | ODS_DISABLED))
    {
        DrawDisabled(item.hDC, toolBar->GetImageList(), image, x, y, size);
        return true;
    }
    if (item.itemState & ODS_SELECTED)
    {
        // A raised frame around the image of the highlighted item.
        RECT frame = {x - 2, y - 2, x + size.cx + 2, y + size.cy + 2};
        FillRect(item.hDC, &frame, GetSysColorBrush(COLOR_MENU));
        DrawEdge(item.hDC, &frame, BDR_RAISEDINNER, BF_RECT);
    }
    ImageList_Draw(toolBar->GetImageList(), image, item.hDC, x, y, ILD_TRANSPARENT);
    return true;
}
