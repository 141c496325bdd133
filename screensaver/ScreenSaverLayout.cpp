#include "screensaver/ScreenSaverLayout.h"

namespace
{
const int kOrder5[25] = {6, 16, 13, 4, 23, 10, 20, 2, 19, 0, 22, 12, 18, 8, 15, 11, 9, 1, 17, 5, 21, 24, 14, 3, 7};
const int kOrder10[100] = {
    42, 54, 26, 57, 81, 95, 19, 11, 88, 24, 17, 79, 74, 71, 72,
    91, 29, 6, 78, 92, 96, 63, 62, 94, 20, 3, 58, 84, 75, 59,
    25, 76, 56, 23, 49, 82, 83, 43, 93, 7, 14, 15, 10, 36, 45,
    86, 34, 31, 85, 89, 87, 52, 70, 38, 67, 13, 64, 97, 0, 41,
    2, 28, 44, 32, 16, 55, 33, 8, 27, 47, 21, 48, 12, 65, 37,
    40, 77, 53, 50, 18, 60, 5, 51, 35, 9, 46, 90, 73, 98, 22,
    39, 69, 66, 30, 1, 99, 68, 61, 4, 80,
};
const int kOrder15[225] = {
    87, 128, 80, 121, 17, 202, 212, 40, 178, 221, 25, 20, 156, 13, 223,
    219, 70, 179, 79, 76, 28, 174, 102, 24, 27, 88, 93, 18, 170, 175,
    49, 35, 166, 29, 53, 224, 99, 158, 183, 89, 67, 31, 100, 218, 197,
    58, 177, 118, 48, 161, 176, 6, 112, 43, 205, 165, 201, 167, 135, 23,
    97, 200, 56, 64, 101, 213, 45, 15, 198, 113, 22, 189, 108, 32, 204,
    192, 0, 68, 203, 164, 91, 129, 85, 3, 72, 41, 122, 78, 162, 143,
    147, 168, 57, 127, 86, 169, 159, 155, 193, 140, 173, 114, 182, 199, 214,
    154, 160, 180, 110, 10, 149, 115, 66, 137, 125, 209, 74, 130, 109, 146,
    33, 7, 194, 5, 8, 133, 11, 210, 211, 34, 187, 1, 50, 51, 65,
    138, 215, 37, 222, 71, 157, 117, 207, 126, 103, 84, 44, 144, 82, 62,
    185, 196, 152, 145, 47, 190, 134, 106, 77, 148, 206, 19, 12, 105, 208,
    26, 39, 132, 141, 75, 172, 163, 46, 142, 36, 52, 216, 186, 16, 107,
    119, 171, 220, 151, 116, 96, 150, 123, 21, 131, 191, 120, 153, 61, 111,
    136, 81, 59, 83, 94, 54, 60, 92, 69, 104, 73, 95, 188, 124, 90,
    30, 217, 98, 184, 38, 181, 14, 4, 63, 42, 9, 195, 139, 2, 55,
};

// Even and centred in the extent, or the whole extent when it does not fit.
void Place(LONG low, LONG high, int size, LONG& first, LONG& last)
{
    const LONG extent = high - low;
    const LONG even = size + (size & 1);
    if (even > extent)
    {
        first = low;
        last = high;
        return;
    }
    first = low + (extent - even) / 2;
    last = first + even;
}
} // namespace

RECT PictureRect(const RECT& client, int pictureWidth, int pictureHeight, bool originalSize)
{
    if (!originalSize)
        return client;
    RECT rect;
    Place(client.left, client.right, pictureWidth, rect.left, rect.right);
    Place(client.top, client.bottom, pictureHeight, rect.top, rect.bottom);
    return rect;
}

RECT MosaicCellRect(const RECT& rect, int n, int k)
{
    const LONG width = (rect.right - rect.left) / n, height = (rect.bottom - rect.top) / n;
    const int column = k % n, row = k / n;
    RECT cell = {rect.left + column * width, rect.top + row * height, 0, 0};
    cell.right = column == n - 1 ? rect.right : cell.left + width;
    cell.bottom = row == n - 1 ? rect.bottom : cell.top + height;
    return cell;
}

const int* MosaicOrder(int n)
{
    switch (n)
    {
    case 5:
        return kOrder5;
    case 10:
        return kOrder10;
    case 15:
        return kOrder15;
    default:
        return nullptr;
    }
}

UINT MosaicPeriod(int n)
{
    return n == 5 ? 500 : n == 10 ? 250 : 50;
}

int TransitionCode(int effect)
{
    // The vertical in-out and out-in reveals run the row codes, which follow the column ones.
    static const int kCodes[10] = {1, 2, 3, 4, 5, 7, 6, 8, 9, 10};
    return effect >= 4 && effect <= 13 ? kCodes[effect - 4] : 0;
}
