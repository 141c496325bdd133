#include "capture/selection/SelectionOutline.h"

#include "framework/Handles.h"

namespace
{
int g_dashCounter = 0;

void CALLBACK OutlinePixel(int x, int y, LPARAM dc)
{
    DrawOutlinePixel(x, y, reinterpret_cast<HDC>(dc));
}
} // namespace

void DrawSelectionOutline(const std::vector<POINT>& points)
{
    if (points.size() < 2)
        return;
    CCreatedDCHandle display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!display)
        return;
    for (size_t i = 1; i < points.size(); ++i)
        LineDDA(points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, OutlinePixel,
                reinterpret_cast<LPARAM>(static_cast<HDC>(display)));
}

void DrawOutlinePixel(int x, int y, HDC dc)
{
    g_dashCounter = g_dashCounter % 8 + 1;
    SetPixelV(dc, x, y, g_dashCounter <= 4 ? kOutlineWhite : kOutlineRed);
}

void ResetOutlineDash()
{
    g_dashCounter = 0;
}
