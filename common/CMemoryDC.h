#pragma once
// CMemoryDC: an off-screen snapshot of the whole screen and a dimmed (alpha-blended)
// copy of it. A selection overlay paints the dimmed copy over the desktop and the
// snapshot inside the area being selected. The object owns every handle it creates.
#include <atomic>
#include <functional>
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

    // Makes the main DC and bitmap of width x height compatible with reference and copies
    // reference's pixels from its origin into it where they can be read (no dimmed copy);
    // false when the DC or the bitmap cannot be made.
    bool CreateCopyOf(HDC reference, int width, int height);
    // Takes the size from the window's client rectangle; false for no window.
    bool SetSizeFromWindow(HWND window);
    // Copies width x height of the main DC from (sourceX, sourceY) to (x, y) of target.
    bool BitBltTo(HDC target, int x, int y, int width, int height, int sourceX, int sourceY) const;
    // A 40-byte header of a bottom-up 32-bit image of one plane, as DIB sections use.
    static void FillInfoHeader32(BITMAPINFOHEADER& header, int width, int height);
    // The intersection of the two rectangles; empty when they do not meet.
    static RECT Intersect(const RECT& first, const RECT& second);

    // Pixel transitions: copy rect of the main DC to target pixel by pixel in the order of
    // the code (1 to 10, below), clipped to the main DC's extent (a rect outside it means
    // the whole extent); any other code copies the rect at once. The busy flag is set
    // while one runs; RequestStop makes the running one return after its current pixel.
    // Meant for a worker thread while the owner watches IsBusy and asks it to stop.
    //   1 columns left to right, each top to bottom   2 columns right to left, bottom to top
    //   3 rows top to bottom, each left to right       4 rows bottom to top, right to left
    //   5 columns from the middle outwards             6 columns from both edges inwards
    //   7 rows from the middle outwards                8 rows from both edges inwards
    //   9 rings from the centre outwards              10 rings from the edge inwards
    // (a ring: top edge left to right, right edge down, bottom edge leftwards, left edge up)
    void RunTransition(int code, HDC target, const RECT& rect);
    bool IsBusy() const { return m_busy; }
    void RequestStop() { m_stop = true; }
    // The pixels of the transition in order, in steps: one column, row, pair of columns or
    // rows, or ring per step. visit gets each pixel and returns false to stop.
    using PixelVisitor = std::function<bool(int x, int y)>;
    using StepVisitor = std::function<void()>;
    static bool VisitTransition(int code, const RECT& rect, const PixelVisitor& visit,
                                const StepVisitor& stepDone = nullptr);

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
    std::atomic<bool> m_busy{false};
    std::atomic<bool> m_stop{false};
};
