#pragma once
// CMemoryDC: an off-screen snapshot of the whole screen and a dimmed (alpha-blended)
// copy of it. A selection overlay paints the dimmed copy over the desktop and the
// snapshot inside the area being selected. The object owns every handle it creates.
#include <windows.h>

class CMemoryDC
{
public:
    CMemoryDC() = default;
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    virtual ~CMemoryDC();

    // Takes a screen-sized snapshot of reference (the screen's DC) and makes the
    // dimmed copy with the given constant alpha; false when any step fails.
    bool CreateScreenSized(HDC reference, BYTE alpha);
    // Replaces the main bitmap with one of width x height compatible with reference,
    // selected into the main DC and filled with the fill colour.
    bool CreateBitmap(HDC reference);
    // Replaces the fill brush with one of the fill colour and paints the whole size.
    bool FillBackground();
    // Replaces the dimmed copy: the main DC blended with constant alpha over black.
    // False without a main DC or a size.
    bool CreateBlendCopy(BYTE alpha);

    // Copies a rectangle of the snapshot to the same place in target.
    bool CopyTo(HDC target, int x, int y, int width, int height) const;
    // Copies every rectangle of region from the dimmed copy (fromBlend) or the snapshot
    // to the same place in target. False for an empty region, else whether the copies
    // succeeded; stops at the first failure.
    bool CopyRegionTo(HDC target, HRGN region, bool fromBlend) const;

    HDC GetMainDC() const { return m_mainDC; }
    HDC GetBlendDC() const { return m_blendDC; }
    HBITMAP GetMainBitmap() const { return m_mainBitmap; }
    HBITMAP GetBlendBitmap() const { return m_blendBitmap; }
    HBRUSH GetFillBrush() const { return m_fillBrush; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    COLORREF GetFillColor() const { return m_fillColor; }
    void SetFillColor(COLORREF color) { m_fillColor = color; }

private:
    void DeleteBlendCopy();

    HDC m_mainDC = nullptr;
    HDC m_blendDC = nullptr;
    HBITMAP m_blendBitmap = nullptr;
    HBITMAP m_mainBitmap = nullptr;
    HBRUSH m_fillBrush = nullptr;
    int m_width = 0;
    int m_height = 0;
    COLORREF m_fillColor = RGB(32, 147, 159);
};
