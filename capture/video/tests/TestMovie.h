#pragma once
// Test support for playing: a short movie of plain-coloured frames written with the
// project's AVI writer, which the system's player renders.
#include "capture/destinations/CAviWriter.h"
#include "framework/CString.h"

namespace video_test
{
// Writes frames frames of width x height, each a shade lighter, at framesPerSecond;
// false when the writer fails.
inline bool WriteTestMovie(const CString& path, int width, int height, int frames = 5, unsigned framesPerSecond = 25)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    bool written = bitmap != nullptr;
    {
        CAviWriter writer(path, framesPerSecond);
        for (int frame = 0; written && frame < frames; ++frame)
        {
            HGDIOBJ old = SelectObject(memory, bitmap);
            HBRUSH brush = CreateSolidBrush(RGB(40 * frame % 256, 120, 200));
            const RECT all = {0, 0, width, height};
            FillRect(memory, &all, brush);
            DeleteObject(brush);
            SelectObject(memory, old);
            written = SUCCEEDED(writer.AddFrame(bitmap));
        }
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    return written;
}
} // namespace video_test
