#include "screensaver/CImageFlipper.h"

#include "screensaver/CEnBitmap.h"

HBITMAP CImageFlipper::FlipVertical(HBITMAP picture)
{
    return Flip(picture, true);
}

HBITMAP CImageFlipper::FlipHorizontal(HBITMAP picture)
{
    return Flip(picture, false);
}

HBITMAP CImageFlipper::Flip(HBITMAP picture, bool vertical)
{
    BITMAP info;
    if (!picture || !GetObjectW(picture, sizeof(info), &info))
        return nullptr;
    const int w = info.bmWidth, h = info.bmHeight;
    // A negative extent on the source side of StretchBlt mirrors that axis.
    return CEnBitmap::Redraw(picture, w, h, [&](HDC target, HDC source) {
        return vertical ? StretchBlt(target, 0, 0, w, h, source, 0, h - 1, w, -h, SRCCOPY)
                        : StretchBlt(target, 0, 0, w, h, source, w - 1, 0, -w, h, SRCCOPY);
    });
}
