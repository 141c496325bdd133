#pragma once
// Colour arithmetic of the animated effects on 0x00RRGGBB pixels.
#include <windows.h>

// Each channel moved from pixel towards colour by alpha / 256.
inline DWORD Blend(DWORD pixel, DWORD colour, int alpha)
{
    DWORD result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
    {
        int channel = (pixel >> shift) & 0xFF, target = (colour >> shift) & 0xFF;
        result |= static_cast<DWORD>(channel + (target - channel) * alpha / 256) << shift;
    }
    return result;
}

// Step of steps from one colour to the other, channel by channel.
inline DWORD Gradient(DWORD from, DWORD to, int step, int steps)
{
    DWORD result = 0;
    for (int shift = 0; shift <= 16; shift += 8)
    {
        int a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        result |= static_cast<DWORD>(a + (b - a) * step / steps) << shift;
    }
    return result;
}
