#pragma once
// Test support for grabs of the display: a topmost popup filled with one colour, and a
// message pump that waits until the display shows what was painted (Wine paints
// asynchronously).
#include "testing/TestPump.h"
#include <windows.h>
#include <vector>

namespace screen_test
{
// Pumps messages until the display's pixel at the point has the colour; false when it
// never does.
inline bool WaitForScreenColour(POINT point, COLORREF colour)
{
    return PumpUntil(
        [point, colour] {
            HDC screen = GetDC(nullptr);
            COLORREF shown = GetPixel(screen, point.x, point.y);
            ReleaseDC(nullptr, screen);
            return shown == colour;
        },
        2000);
}

// A shown topmost popup whose class background paints it in one colour.
class ColourWindow
{
public:
    ColourWindow(const RECT& rect, COLORREF colour, DWORD extraStyle = 0) : m_brush(CreateSolidBrush(colour))
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = m_brush;
        wc.lpszClassName = L"VellColourTestWindow";
        UnregisterClassW(wc.lpszClassName, wc.hInstance);
        RegisterClassW(&wc);
        m_window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | extraStyle,
                                   rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                   nullptr, wc.hInstance, nullptr);
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
        UpdateWindow(m_window);
        RECT client;
        GetClientRect(m_window, &client);
        POINT centre = {client.right / 2, client.bottom / 2};
        ClientToScreen(m_window, &centre);
        m_shown = WaitForScreenColour(centre, colour);
    }
    ColourWindow(const ColourWindow&) = delete;
    ColourWindow& operator=(const ColourWindow&) = delete;
    ~ColourWindow()
    {
        DestroyWindow(m_window);
        UnregisterClassW(L"VellColourTestWindow", GetModuleHandleW(nullptr));
        DeleteObject(m_brush);
    }

    HWND Handle() const { return m_window; }
    // The display shows the window's colour.
    bool IsShown() const { return m_shown; }

private:
    HBRUSH m_brush;
    HWND m_window = nullptr;
    bool m_shown = false;
};

// The pixels of a bitmap as 32-bit top-down 0x00RRGGBB values, row by row.
struct Pixels
{
    int width = 0;
    int height = 0;
    std::vector<DWORD> values;

    COLORREF At(int x, int y) const
    {
        DWORD v = values[static_cast<size_t>(y) * width + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
};

inline Pixels ReadPixels(HBITMAP bitmap)
{
    Pixels pixels;
    BITMAP bm;
    if (!GetObjectW(bitmap, sizeof(bm), &bm))
        return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = bm.bmWidth;
    info.bmiHeader.biHeight = -bm.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.values.resize(static_cast<size_t>(bm.bmWidth) * bm.bmHeight);
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, bitmap, 0, bm.bmHeight, pixels.values.data(), &info, DIB_RGB_COLORS))
    {
        pixels.width = bm.bmWidth;
        pixels.height = bm.bmHeight;
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}
} // namespace screen_test
