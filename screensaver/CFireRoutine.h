#pragma once
// CFireRoutine: flames rising from the picture's bottom edge, blended over a 32-bit
// bottom-up DIB of the picture's size. The heat lives in a byte buffer of height + 3 rows:
// row 2 is where the flames start, rows 3 on lie over the picture from its bottom row up.
#include "screensaver/RandomSource.h"

#include <vector>
#include <windows.h>

class CFireRoutine
{
public:
    explicit CFireRoutine(RandomSource random = DefaultRandomSource());

    // Opacity out of 256.
    void SetAlpha(int alpha) { m_alpha = alpha; }
    int GetAlpha() const { return m_alpha; }
    // Sizes the heat buffer to the picture (all cold).
    void Init(int width, int height);
    // One frame: new sparks on the start row, the heat spread upwards, and every pixel
    // (width x height, bottom row first, 0x00RRGGBB) blended with its heat's colour.
    void Render(DWORD* pixels);

    // The heat of buffer row, column.
    BYTE Heat(int row, int column) const { return m_heat[row * m_width + column]; }
    // The palette's colour of a heat value (0x00RRGGBB).
    static DWORD PaletteColour(int heat);

    static const int kStartRow = 2;

private:
    void Spark();
    void Spread();

    RandomSource m_random;
    int m_alpha = 30;
    int m_width = 0;
    int m_height = 0;
    std::vector<BYTE> m_heat;
};
