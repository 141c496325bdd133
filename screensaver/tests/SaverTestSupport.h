#pragma once
// What the saver's tests share: pictures written as bitmap files, the saver's registry
// values, and pixels read from the screen.
#include "screensaver/ScreenSaverSettings.h"
#include "testing/TestFiles.h"

#include <string>
#include <windows.h>

namespace saver_test
{
// A 24-bit bitmap file of width x height: the top half one colour, the bottom half another.
inline std::string TwoToneBitmap(int width, int height, COLORREF top, COLORREF bottom)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {0x4D42};
    BITMAPINFOHEADER info = {sizeof(info), width, height, 1, 24};
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + rowBytes * height;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
    bytes.append(reinterpret_cast<const char*>(&info), sizeof(info));
    for (int y = height - 1; y >= 0; --y) // bottom-up
    {
        const COLORREF colour = y < height / 2 ? top : bottom;
        std::string row(rowBytes, '\0');
        for (int x = 0; x < width; ++x)
        {
            row[x * 3] = static_cast<char>(GetBValue(colour));
            row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
            row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
        }
        bytes += row;
    }
    return bytes;
}

inline void SetNumber(HKEY root, const wchar_t* name, DWORD value)
{
    RegSetKeyValueW(root, kScreenSaverKey, name, REG_DWORD, &value, sizeof(value));
}

inline void SetText(HKEY root, const wchar_t* name, const CString& text)
{
    RegSetKeyValueW(root, kScreenSaverKey, name, REG_SZ, text.GetString(), (text.GetLength() + 1) * sizeof(wchar_t));
}

// The colour of a screen pixel, read from the display.
inline COLORREF ScreenPixel(int x, int y)
{
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}
// The colour of a pixel of the window, read from its own DC: what this process drew there,
// whether or not it has reached the display yet.
inline COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}
} // namespace saver_test
