#include "common/CMemoryDC.h"
#include <algorithm>
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

bool CMemoryDC::CreateCopyOf(HDC reference, int width, int height)
{
    HDC dc = CreateCompatibleDC(reference);
    if (!dc)
        return false;
    if (m_mainDC)
        DeleteDC(m_mainDC);
    m_mainDC = dc;
    m_width = width;
    m_height = height;
    if (!CreateBitmap(reference))
        return false;
    // A DC whose pixels cannot be read (a window of another process) leaves the fill.
    BitBlt(m_mainDC, 0, 0, width, height, reference, 0, 0, SRCCOPY);
    return true;
}

bool CMemoryDC::SetSizeFromWindow(HWND window)
{
    RECT client;
    if (!window || !GetClientRect(window, &client))
        return false;
    m_width = client.right - client.left;
    m_height = client.bottom - client.top;
    return true;
}

bool CMemoryDC::BitBltTo(HDC target, int x, int y, int width, int height, int sourceX, int sourceY) const
{
    return m_mainDC && BitBlt(target, x, y, width, height, m_mainDC, sourceX, sourceY, SRCCOPY) != FALSE;
}

void CMemoryDC::FillInfoHeader32(BITMAPINFOHEADER& header, int width, int height)
{
    header = {};
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
}

RECT CMemoryDC::Intersect(const RECT& first, const RECT& second)
{
    RECT both;
    if (!IntersectRect(&both, &first, &second))
        both = {0, 0, 0, 0};
    return both;
}

namespace
{
// One line of pixels from (x, y) in steps of (dx, dy), count long; false when stopped.
bool VisitLine(int x, int y, int dx, int dy, int count, const CMemoryDC::PixelVisitor& visit)
{
    for (int i = 0; i < count; ++i)
        if (!visit(x + i * dx, y + i * dy))
            return false;
    return true;
}

// A column (vertical) or a row, forwards or backwards, of the rectangle.
bool VisitColumn(const RECT& r, int x, bool down, const CMemoryDC::PixelVisitor& visit)
{
    int height = r.bottom - r.top;
    return down ? VisitLine(x, r.top, 0, 1, height, visit) : VisitLine(x, r.bottom - 1, 0, -1, height, visit);
}

bool VisitRow(const RECT& r, int y, bool right, const CMemoryDC::PixelVisitor& visit)
{
    int width = r.right - r.left;
    return right ? VisitLine(r.left, y, 1, 0, width, visit) : VisitLine(r.right - 1, y, -1, 0, width, visit);
}

// Ring k of the rectangle (0 the outermost): top edge left to right, right edge down,
// bottom edge leftwards, left edge up; every pixel once, also for rings one line thick.
bool VisitRing(const RECT& r, int k, const CMemoryDC::PixelVisitor& visit)
{
    int left = r.left + k, top = r.top + k, right = r.right - 1 - k, bottom = r.bottom - 1 - k;
    if (!VisitLine(left, top, 1, 0, right - left + 1, visit) || !VisitLine(right, top + 1, 0, 1, bottom - top, visit))
        return false;
    if (bottom > top && !VisitLine(right - 1, bottom, -1, 0, right - left, visit))
        return false;
    return right <= left || VisitLine(left, bottom - 1, 0, -1, bottom - top - 1, visit);
}

// Lines first..last (inclusive) from the middle outwards (inwards false: from both ends
// inwards), one on each side per step; line(index) draws one.
bool VisitPairs(int first, int last, bool outwards, const std::function<bool(int)>& line,
                const CMemoryDC::StepVisitor& stepDone)
{
    int low = outwards ? first + (last - first) / 2 : first;
    int high = outwards ? first + (last - first + 1) / 2 : last;
    while (low >= first && high <= last && low <= high)
    {
        if (!line(low) || (high != low && !line(high)))
            return false;
        if (stepDone)
            stepDone();
        low += outwards ? -1 : 1;
        high += outwards ? 1 : -1;
    }
    return true;
}

// Lines first..last one per step, forwards or backwards.
bool VisitEach(int first, int last, bool forwards, const std::function<bool(int)>& line,
               const CMemoryDC::StepVisitor& stepDone)
{
    for (int i = 0; i <= last - first; ++i)
    {
        if (!line(forwards ? first + i : last - i))
            return false;
        if (stepDone)
            stepDone();
    }
    return true;
}
} // namespace

bool CMemoryDC::VisitTransition(int code, const RECT& r, const PixelVisitor& visit, const StepVisitor& stepDone)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return true;
    auto column = [&](bool down) { return [&, down](int x) { return VisitColumn(r, x, down, visit); }; };
    auto row = [&](bool right) { return [&, right](int y) { return VisitRow(r, y, right, visit); }; };
    const int rings = (std::min(r.right - r.left, r.bottom - r.top) + 1) / 2;
    auto ring = [&](int k) { return VisitRing(r, k, visit); };
    switch (code)
    {
    case 1:
        return VisitEach(r.left, r.right - 1, true, column(true), stepDone);
    case 2:
        return VisitEach(r.left, r.right - 1, false, column(false), stepDone);
    case 3:
        return VisitEach(r.top, r.bottom - 1, true, row(true), stepDone);
    case 4:
        return VisitEach(r.top, r.bottom - 1, false, row(false), stepDone);
    case 5:
    case 6:
        return VisitPairs(r.left, r.right - 1, code == 5, column(true), stepDone);
    case 7:
    case 8:
        return VisitPairs(r.top, r.bottom - 1, code == 7, row(true), stepDone);
    case 9:
        return VisitEach(0, rings - 1, false, ring, stepDone);
    case 10:
        return VisitEach(0, rings - 1, true, ring, stepDone);
    default:
        return false;
    }
}

void CMemoryDC::RunTransition(int code, HDC target, const RECT& rect)
{
    m_stop = false;
    m_busy = true;
    const RECT extent = {0, 0, m_width, m_height};
    RECT clipped = Intersect(rect, extent);
    if (IsRectEmpty(&clipped))
        clipped = extent;
    if (code < 1 || code > 10)
        BitBltTo(target, clipped.left, clipped.top, clipped.right - clipped.left, clipped.bottom - clipped.top,
                 clipped.left, clipped.top);
    else
        VisitTransition(code, clipped, [&](int x, int y) {
            SetPixel(target, x, y, GetPixel(m_mainDC, x, y));
            return !m_stop;
        });
    m_busy = false;
}
