#include "screensaver/CPlasmaRoutine.h"

#include "screensaver/PaletteBlend.h"

#include <algorithm>
#include <cmath>

namespace
{
std::vector<int> MakeCosineTable()
{
    std::vector<int> table(256);
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<int>(std::cos(i * 0.04908734375) * 30);
    return table;
}

// Eight gradients of 32 colours: black, red, green, yellow, yellow, yellow, green, red,
// black.
std::vector<DWORD> MakePlasmaPalette()
{
    const DWORD stops[9] = {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0x00FF00, 0xFF0000, 0x000000};
    std::vector<DWORD> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = Gradient(stops[i / 32], stops[i / 32 + 1], i % 32, 32);
    return palette;
}
} // namespace

int CPlasmaRoutine::Cosine(int index)
{
    static const std::vector<int> table = MakeCosineTable();
    return table[index & 255];
}

DWORD CPlasmaRoutine::PaletteColour(int value)
{
    static const std::vector<DWORD> palette = MakePlasmaPalette();
    return palette[value & 255];
}

void CPlasmaRoutine::Init(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_values.assign(static_cast<size_t>(m_width) * m_height, 0);
}

void CPlasmaRoutine::Render(DWORD* pixels)
{
    m_phase[0] = static_cast<BYTE>(m_phase[0] + 1);
    m_phase[1] = static_cast<BYTE>(m_phase[1] - 2);
    m_phase[2] = static_cast<BYTE>(m_phase[2] - 1);
    m_phase[3] = static_cast<BYTE>(m_phase[3] + 3);
    for (int y = 0; y < m_height; ++y)
    {
        const int rowPart = Cosine(m_phase[2] + y) + Cosine(m_phase[3] + 2 * y);
        BYTE* values = &m_values[static_cast<size_t>(y) * m_width];
        DWORD* row = pixels + static_cast<size_t>(y) * m_width;
        for (int x = 0; x < m_width; ++x)
        {
            values[x] = static_cast<BYTE>(Cosine(m_phase[0] + x) + Cosine(m_phase[1] + 2 * x) + rowPart);
            row[x] = Blend(row[x], PaletteColour(values[x]), m_alpha);
        }
    }
}
