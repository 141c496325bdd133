#pragma once
// CWaterRoutine: ripples over a 32-bit DIB of the picture's size. Two height buffers are
// used in turn; a frame refracts and lights the source pixels by the height slopes into
// the work pixels and lets the waves spread and calm (damping shift 5).
#include "screensaver/RandomSource.h"

#include <vector>
#include <windows.h>

class CWaterRoutine
{
public:
    explicit CWaterRoutine(RandomSource random = DefaultRandomSource());

    void Create(int width, int height);
    void ClearHeights();
    // No drop since the water was made or cleared: every height is 0.
    bool IsFlat() const { return m_flat; }
    // One frame from source into work (width x height each, 0x00RRGGBB); flat water
    // copies the source.
    void Render(const DWORD* source, DWORD* work);
    // A drop of radius 50 and strength 50..500 at a random place at least 5 pixels inside
    // the buffer. A buffer under 10 pixels wide or high gets no drops.
    void Drop();

    // The current height at x, y.
    int Height(int x, int y) const { return m_current[static_cast<size_t>(y) * m_width + x]; }

    static const int kRadius = 50;

private:
    void Refract(const DWORD* source, DWORD* work) const;
    void Spread();

    RandomSource m_random;
    int m_width = 0;
    int m_height = 0;
    std::vector<int> m_buffers[2];
    int* m_current = nullptr;
    int* m_older = nullptr;
    bool m_flat = true;
};
