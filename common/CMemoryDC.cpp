#include "common/CMemoryDC.h"
#include <vector>

// Every DC is deleted before the objects selected into it, so that no object is
// deleted while it is still selected.
CMemoryDC::~CMemoryDC()
{
    DeleteBlendCopy();
    if (m_mainDC)
        DeleteDC(m_mainDC);
    if (m_mainBitmap)
        DeleteObject(m_mainBitmap);
    if (m_fillBrush)
        DeleteObject(m_fillBrush);
}

bool CMemoryDC::CreateScreenSized(HDC reference, BYTE alpha)
{
    if (m_mainDC)
        DeleteDC(m_mainDC);
    m_mainDC = CreateCompatibleDC(reference);
    if (!m_mainDC)
        return false;
    m_width = GetSystemMetrics(SM_CXSCREEN);
    m_height = GetSystemMetrics(SM_CYSCREEN);
    if (!CreateBitmap(reference))
        return false;
    if (!BitBlt(m_mainDC, 0, 0, m_width, m_height, reference, 0, 0, SRCCOPY))
        return false;
    return CreateBlendCopy(alpha);
}

bool CMemoryDC::CreateBitmap(HDC reference)
{
    if (!m_mainDC)
        return false;
    HBITMAP bitmap = CreateCompatibleBitmap(reference, m_width, m_height);
    if (!bitmap)
        return false;
    SelectObject(m_mainDC, bitmap);
    if (m_mainBitmap)
        DeleteObject(m_mainBitmap);
    m_mainBitmap = bitmap;
    return FillBackground();
}

bool CMemoryDC::FillBackground()
{
    if (!m_mainDC)
        return false;
    HBRUSH brush = CreateSolidBrush(m_fillColor);
    if (!brush)
        return false;
    SelectObject(m_mainDC, brush);
    if (m_fillBrush)
        DeleteObject(m_fillBrush);
    m_fillBrush = brush;
    return PatBlt(m_mainDC, 0, 0, m_width, m_height, PATCOPY) != FALSE;
}

bool CMemoryDC::CreateBlendCopy(BYTE alpha)
{
    DeleteBlendCopy();
    if (!m_mainDC || m_width < 1 || m_height < 1)
        return false;
    m_blendDC = CreateCompatibleDC(m_mainDC);
    m_blendBitmap = m_blendDC ? CreateCompatibleBitmap(m_mainDC, m_width, m_height) : nullptr;
    if (!m_blendBitmap)
    {
        DeleteBlendCopy();
        return false;
    }
    SelectObject(m_blendDC, m_blendBitmap);
    PatBlt(m_blendDC, 0, 0, m_width, m_height, BLACKNESS);
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, 0};
    return AlphaBlend(m_blendDC, 0, 0, m_width, m_height, m_mainDC, 0, 0, m_width, m_height, blend) != FALSE;
}

bool CMemoryDC::CopyTo(HDC target, int x, int y, int width, int height) const
{
    return BitBlt(target, x, y, width, height, m_mainDC, x, y, SRCCOPY) != FALSE;
}

bool CMemoryDC::CopyRegionTo(HDC target, HRGN region, bool fromBlend) const
{
    RECT box;
    if (GetRgnBox(region, &box) == ERROR || IsRectEmpty(&box))
        return false;
    DWORD size = GetRegionData(region, 0, nullptr);
    if (size < sizeof(RGNDATAHEADER))
        return false;
    std::vector<BYTE> buffer(size);
    RGNDATA* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, size, data) != size || data->rdh.nCount == 0)
        return false;

    HDC source = fromBlend ? m_blendDC : m_mainDC;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    bool copied = false;
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
    {
        const RECT& r = rects[i];
        copied =
            BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, source, r.left, r.top, SRCCOPY) != FALSE;
        if (!copied)
            break;
    }
    return copied;
}

void CMemoryDC::DeleteBlendCopy()
{
    if (m_blendDC)
        DeleteDC(m_blendDC);
    if (m_blendBitmap)
        DeleteObject(m_blendBitmap);
    m_blendDC = nullptr;
    m_blendBitmap = nullptr;
}
