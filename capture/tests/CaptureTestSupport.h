#pragma once
// Test support for the capture destinations: a window painted a known colour to
// grab, a scratch folder, and read-back of written image files (first bytes,
// size, pixels).
#include "common/tests/ScreenTestWindow.h"
#include "testing/TestFolder.h"
#include "framework/CImage.h"
#include "framework/CString.h"
#include "testing/CStringPrinter.h"
#include "testing/TestFiles.h"

#include <cstdlib>
#include <gdiplus.h>
#include <memory>
#include <string>

namespace capture_test
{
// A colour of the web-safe palette, so that GIF's 8-bit palette keeps it
// exactly.
const COLORREF kPaint = RGB(0, 153, 255);
const RECT kPaintRect = {200, 150, 280, 210}; // 80 x 60
const int kPaintWidth = 80;
const int kPaintHeight = 60;

// An image file decoded by GDI+: its size and the colour at its centre.
struct DecodedImage
{
    bool ok = false;
    int width = 0;
    int height = 0;
    COLORREF centre = 0;
};

inline DecodedImage Decode(const CString& path)
{
    DecodedImage image;
    if (!AppGdiplusInit())
        return image;
    std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromFile(path));
    if (!bitmap || bitmap->GetLastStatus() != Gdiplus::Ok)
        return image;
    image.width = static_cast<int>(bitmap->GetWidth());
    image.height = static_cast<int>(bitmap->GetHeight());
    Gdiplus::Color colour;
    if (bitmap->GetPixel(image.width / 2, image.height / 2, &colour) != Gdiplus::Ok)
        return image;
    image.centre = RGB(colour.GetR(), colour.GetG(), colour.GetB());
    image.ok = true;
    return image;
}

// True when each channel differs by at most tolerance.
inline bool ColourNear(COLORREF a, COLORREF b, int tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
} // namespace capture_test
