#include "standins/camera/CameraPattern.h"

namespace
{
constexpr DWORD kWhite = 0x00FFFFFF;
constexpr DWORD kBlack = 0x00000000;

// The pixel at (x, y) counted from the top row.
DWORD* PixelAt(BYTE* bits, int width, int height, int x, int y)
{
    return reinterpret_cast<DWORD*>(bits) + static_cast<size_t>(height - 1 - y) * width + x;
}

void FillRect(BYTE* bits, int width, int height, int left, int top, int right, int bottom, DWORD colour)
{
    for (int y = top; y < bottom && y < height; ++y)
        for (int x = left; x < right && x < width; ++x)
            *PixelAt(bits, width, height, x, y) = colour;
}
} // namespace

void DrawCameraPattern(BYTE* bits, int width, int height, unsigned frame)
{
    const DWORD background = 0x00204060 + ((frame * 3) % 64);
    FillRect(bits, width, height, 0, 0, width, height, background);
    const int bar = static_cast<int>((frame * 8) % static_cast<unsigned>(width));
    FillRect(bits, width, height, bar, kPatternCellSize * 2, bar + 16, height, 0x00E0C020);
    for (int bit = 0; bit < kPatternBits; ++bit)
    {
        const int left = bit * kPatternCellSize;
        FillRect(bits, width, height, left, 0, left + kPatternCellSize, kPatternCellSize,
                 (frame >> bit) & 1 ? kWhite : kBlack);
    }
}

int ReadCameraPattern(const BYTE* bits, int width, int height, int bitCount)
{
    if ((bitCount != 24 && bitCount != 32) || width < kPatternBits * kPatternCellSize || height < kPatternCellSize)
        return -1;
    const int bytesPerPixel = bitCount / 8;
    const int stride = (width * bytesPerPixel + 3) & ~3;
    const int row = height - 1 - kPatternCellSize / 2;
    int frame = 0;
    for (int bit = 0; bit < kPatternBits; ++bit)
    {
        const BYTE* pixel = bits + static_cast<size_t>(row) * stride +
                            static_cast<size_t>(bit * kPatternCellSize + kPatternCellSize / 2) * bytesPerPixel;
        const int level = (pixel[0] + pixel[1] + pixel[2]) / 3;
        if (level > 200)
            frame |= 1 << bit;
        else if (level > 55)
            return -1;
    }
    return frame;
}
