#include "capture/selection/CScreenPatch.h"

#include "framework/Handles.h"

CScreenPatch::CScreenPatch(const RECT& rect) : m_rect(rect), m_pixels(Read(rect)) {}

bool CScreenPatch::IsStillShown() const
{
    return !m_pixels.empty() && Read(m_rect) == m_pixels;
}

std::vector<DWORD> CScreenPatch::Read(const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return {};
    CClientDCHandle screen;
    CCreatedDCHandle memory(CreateCompatibleDC(screen));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    CBitmapHandle bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screen || !memory || !bitmap)
        return {};
    {
        CSelectedObject selected(memory, bitmap);
        if (!BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY))
            return {};
    }
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    return std::vector<DWORD>(pixels, pixels + static_cast<size_t>(width) * height);
}
