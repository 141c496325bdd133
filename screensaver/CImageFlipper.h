#pragma once
// CImageFlipper: a picture turned upside down (or mirrored), as a new bitmap.
#include <windows.h>

class CImageFlipper
{
public:
    // A new bitmap of the picture with its rows in reverse order; null on failure.
    static HBITMAP FlipVertical(HBITMAP picture);
    // A new bitmap of the picture with its columns in reverse order; null on failure.
    static HBITMAP FlipHorizontal(HBITMAP picture);

private:
    static HBITMAP Flip(HBITMAP picture, bool vertical);
};
