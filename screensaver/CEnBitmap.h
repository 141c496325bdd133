#pragma once
// CEnBitmap: a bitmap the animated effects take their picture from: a copy of a picture
// on a background colour, and its pixels rendered at any size.
#include <functional>
#include <vector>
#include <windows.h>

class CEnBitmap
{
public:
    CEnBitmap() = default;
    CEnBitmap(const CEnBitmap&) = delete;
    CEnBitmap& operator=(const CEnBitmap&) = delete;
    ~CEnBitmap();

    // Replaces the held bitmap with a copy of the picture drawn over the background colour;
    // false on failure.
    bool CopyImage(HBITMAP picture, COLORREF background);
    // Takes ownership of a bitmap.
    void Attach(HBITMAP bitmap);
    HBITMAP GetBitmap() const { return m_bitmap; }
    // The picture stretched to width x height, top row first, 0x00RRGGBB; empty on failure.
    std::vector<DWORD> GetPixels(int width, int height) const;

    // A new screen-compatible bitmap of width x height that draw fills from the picture
    // (target DC, source DC holding the picture); null on failure.
    using DrawStep = std::function<BOOL(HDC target, HDC source)>;
    static HBITMAP Redraw(HBITMAP picture, int width, int height, const DrawStep& draw);

private:
    HBITMAP m_bitmap = nullptr;
};
