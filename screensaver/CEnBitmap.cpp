#include "screensaver/CEnBitmap.h"

#include "common/CMemoryDC.h"

CEnBitmap::~CEnBitmap()
{
    Attach(nullptr);
}

void CEnBitmap::Attach(HBITMAP bitmap)
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
    m_bitmap = bitmap;
}

HBITMAP CEnBitmap::Redraw(HBITMAP picture, int width, int height, const DrawStep& draw)
{
    if (!picture || width <= 0 || height <= 0)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC target = CreateCompatibleDC(screen);
    HBITMAP result = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    bool drawn = false;
    if (source && target && result)
    {
        HGDIOBJ oldSource = SelectObject(source, picture);
        HGDIOBJ oldTarget = SelectObject(target, result);
        SetStretchBltMode(target, COLORONCOLOR);
        drawn = draw(target, source) != FALSE;
        SelectObject(source, oldSource);
        SelectObject(target, oldTarget);
    }
    if (source)
        DeleteDC(source);
    if (target)
        DeleteDC(target);
    if (!drawn && result)
    {
        DeleteObject(result);
        result = nullptr;
    }
    return result;
}

bool CEnBitmap::CopyImage(HBITMAP picture, COLORREF background)
{
    BITMAP info;
    if (!picture || !GetObjectW(picture, sizeof(info), &info))
        return false;
    HBITMAP copy = Redraw(picture, info.bmWidth, info.bmHeight, [&](HDC target, HDC source) {
        HBRUSH brush = CreateSolidBrush(background);
        RECT all = {0, 0, info.bmWidth, info.bmHeight};
        FillRect(target, &all, brush);
        DeleteObject(brush);
        return BitBlt(target, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    });
    if (!copy)
        return false;
    Attach(copy);
    return true;
}

std::vector<DWORD> CEnBitmap::GetPixels(int width, int height) const
{
    BITMAP info;
    if (!m_bitmap || !GetObjectW(m_bitmap, sizeof(info), &info))
        return {};
    HBITMAP sized = Redraw(m_bitmap, width, height, [&](HDC target, HDC source) {
        return StretchBlt(target, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    });
    if (!sized)
        return {};
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO header = {};
    CMemoryDC::FillInfoHeader32(header.bmiHeader, width, -height); // top row first
    HDC screen = GetDC(nullptr);
    bool read = GetDIBits(screen, sized, 0, height, pixels.data(), &header, DIB_RGB_COLORS) == height;
    ReleaseDC(nullptr, screen);
    DeleteObject(sized);
    if (!read)
        return {};
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}
