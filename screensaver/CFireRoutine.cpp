#include "screensaver/CFireRoutine.h"

#include "screensaver/PaletteBlend.h"

#include <algorithm>

namespace
{
// Black for the lowest 50 heats, then black to red, red to yellow and yellow to white,
// 85 heats each (the last cut at 255).
std::vector<DWORD> MakeFirePalette()
{
    std::vector<DWORD> palette(256, 0);
    const DWORD stops[4] = {0x000000, 0xFF0000, 0xFFFF00, 0xFFFFFF};
    for (int heat = 50; heat < 256; ++heat)
    {
        int band = std::min((heat - 50) / 85, 2), step = (heat - 50) - band * 85;
        palette[heat] = Gradient(stops[band], stops[band + 1], step, 85);
    }
    return palette;
}
} // namespace

CFireRoutine::CFireRoutine(RandomSource random) : m_random(std::move(random)) {}

DWORD CFireRoutine::PaletteColour(int heat)
{
    static const std::vector<DWORD> palette = MakeFirePalette();
    return palette[heat & 255];
}

void CFireRoutine::Init(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_heat.assign(static_cast<size_t>(m_width) * (m_height + 3), 0);
}

void CFireRoutine::Spark()
{
    BYTE* row = &m_heat[kStartRow * m_width];
    std::fill(row, row + m_width, 0);
    for (int x = 0; x < m_width; ++x)
    {
        if (m_random() % 101 >= 10)
            continue;
        const int run = m_random() % 35 + 1;
        const int end = std::min(x + run, m_width);
        std::fill(row + x, row + end, 254);
        x = end - 1;
    }
}

void CFireRoutine::Spread()
{
    // Each cell of the next row: the average of the cell, its neighbours one and two to
    // each side, and the cells above and below it; beyond the sides counts as cold.
    const int w = m_width;
    auto at = [&](const BYTE* row, int x) { return x >= 0 && x < w ? row[x] : 0; };
    auto average = [&](const BYTE* before, const BYTE* row, BYTE* next, int x) {
        next[x] = static_cast<BYTE>(
            (at(row, x - 2) + at(row, x + 2) + at(row, x - 1) + at(row, x + 1) + row[x] + before[x] + next[x]) / 7);
    };
    for (int y = kStartRow; y < m_height + 2; ++y)
    {
        const BYTE* before = &m_heat[(y - 1) * w];
        const BYTE* row = &m_heat[y * w];
        BYTE* next = &m_heat[(y + 1) * w];
        for (int x = 0; x < std::min(2, w); ++x)
            average(before, row, next, x);
        // The cells two or more from the sides need no bounds checks.
        for (int x = 2; x < w - 2; ++x)
            next[x] = static_cast<BYTE>(
                (row[x - 2] + row[x + 2] + row[x - 1] + row[x + 1] + row[x] + before[x] + next[x]) / 7);
        for (int x = std::max(2, w - 2); x < w; ++x)
            average(before, row, next, x);
    }
}

void CFireRoutine::Render(DWORD* pixels)
{
    if (m_width == 0 || m_height == 0)
        return;
    Spark();
    Spread();
    for (int y = 0; y < m_height; ++y)
    {
        const BYTE* heat = &m_heat[(y + 3) * m_width];
        DWORD* row = pixels + static_cast<size_t>(y) * m_width;
        for (int x = 0; x < m_width; ++x)
            row[x] = Blend(row[x], PaletteColour(heat[x]), m_alpha);
    }
}
