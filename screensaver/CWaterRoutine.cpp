#include "screensaver/CWaterRoutine.h"

#include <algorithm>
#include <cstring>

CWaterRoutine::CWaterRoutine(RandomSource random) : m_random(std::move(random)) {}

void CWaterRoutine::Create(int width, int height)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    for (auto& buffer : m_buffers)
        buffer.assign(static_cast<size_t>(m_width) * m_height, 0);
    m_current = m_buffers[0].data();
    m_older = m_buffers[1].data();
    m_flat = true;
}

void CWaterRoutine::ClearHeights()
{
    if (m_flat)
        return;
    for (auto& buffer : m_buffers)
        std::fill(buffer.begin(), buffer.end(), 0);
    m_flat = true;
}

void CWaterRoutine::Render(const DWORD* source, DWORD* work)
{
    const size_t count = static_cast<size_t>(m_width) * m_height;
    if (count == 0)
        return;
    if (IsFlat())
    {
        std::memcpy(work, source, count * sizeof(DWORD));
        return;
    }
    Refract(source, work);
    Spread();
}

void CWaterRoutine::Refract(const DWORD* source, DWORD* work) const
{
    std::memcpy(work, source, static_cast<size_t>(m_width) * m_height * sizeof(DWORD));
    const int w = m_width;
    for (int y = 1; y < m_height - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
        {
            const int i = y * w + x;
            const int slope = m_current[i] - m_current[i + 1];
            const int dx = slope >> 3, dy = (m_current[i] - m_current[i + w]) >> 3;
            const int sx = x + dx, sy = y + dy;
            // A slope that points outside the buffer refracts nothing.
            const DWORD pixel = sx >= 0 && sx < w && sy >= 0 && sy < m_height ? source[sy * w + sx] : source[i];
            DWORD lit = 0;
            for (int shift = 0; shift <= 16; shift += 8)
            {
                int channel = static_cast<int>((pixel >> shift) & 0xFF) - slope;
                lit |= static_cast<DWORD>(std::min(255, std::max(0, channel))) << shift;
            }
            work[i] = lit;
        }
}

void CWaterRoutine::Spread()
{
    const int w = m_width;
    for (int y = 1; y < m_height - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
        {
            const int i = y * w + x;
            const int* h = m_current;
            int next = ((h[i - 1] + h[i + 1] + h[i - w] + h[i + w] + h[i - w - 1] + h[i - w + 1] + h[i + w - 1] +
                         h[i + w + 1]) >>
                        2) -
                       m_older[i];
            m_older[i] = next - (next >> 5);
        }
    std::swap(m_current, m_older);
}

void CWaterRoutine::Drop()
{
    if (m_width < 10 || m_height < 10)
        return;
    const int cx = 5 + m_random() % (m_width - 9);
    const int cy = 5 + m_random() % (m_height - 9);
    const int strength = 50 + m_random() % 451;
    for (int y = std::max(0, cy - kRadius); y < std::min(m_height, cy + kRadius + 1); ++y)
        for (int x = std::max(0, cx - kRadius); x < std::min(m_width, cx + kRadius + 1); ++x)
            if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < kRadius * kRadius)
                m_current[y * m_width + x] += strength;
    m_flat = false;
}
