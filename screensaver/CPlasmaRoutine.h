#pragma once
// CPlasmaRoutine: moving colour waves blended over a 32-bit DIB of the picture's size.
// A pixel's value is the sum of four cosine-table entries, two stepping along the row and
// two from row to row, offset by four phases that move every frame.
#include <vector>
#include <windows.h>

class CPlasmaRoutine
{
public:
    void SetAlpha(int alpha) { m_alpha = alpha; }
    int GetAlpha() const { return m_alpha; }
    void Init(int width, int height);
    // One frame: the phases advance, the values are computed and every pixel (width x
    // height, 0x00RRGGBB) is blended with its value's colour.
    void Render(DWORD* pixels);

    BYTE Value(int x, int y) const { return m_values[y * m_width + x]; }
    // The table entry: cos(i x 2 pi / 128) x 30, as an integer.
    static int Cosine(int index);
    static DWORD PaletteColour(int value);

private:
    int m_alpha = 30;
    int m_width = 0;
    int m_height = 0;
    BYTE m_phase[4] = {0, 0, 0, 0};
    std::vector<BYTE> m_values;
};
