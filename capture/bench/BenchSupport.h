#pragma once
// What the benchmark programs share: the median and maximum of a series of figures,
// times in milliseconds, a full-screen window painted like a desktop, and the printing
// of one line of figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <vector>

namespace bench
{
struct Figures
{
    double median = 0;
    double max = 0;
};

inline Figures Summarise(std::vector<double> values)
{
    Figures figures;
    if (values.empty())
        return figures;
    std::sort(values.begin(), values.end());
    figures.median = values[values.size() / 2];
    figures.max = values.back();
    return figures;
}

inline double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A window over the whole screen painted with blocks of colour and gradients, so that
// the captures encode something like a desktop rather than a black screen.
class PatternWindow
{
public:
    PatternWindow()
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &PatternWindow::Procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VellBenchmarkPattern";
        RegisterClassW(&wc);
        m_window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0,
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                   wc.hInstance, nullptr);
        ShowWindow(m_window, SW_SHOWNOACTIVATE);
        UpdateWindow(m_window);
    }
    ~PatternWindow() { DestroyWindow(m_window); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_PAINT)
            return DefWindowProcW(window, message, wParam, lParam);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        unsigned seed = 12345;
        const int block = 48;
        for (int y = 0; y < GetSystemMetrics(SM_CYSCREEN); y += block)
        {
            for (int x = 0; x < GetSystemMetrics(SM_CXSCREEN); x += block)
            {
                seed = seed * 1103515245u + 12345u;
                RECT cell = {x, y, x + block, y + block};
                // Most cells flat, as windows and backgrounds are; some shaded.
                if ((seed >> 16) % 4 == 0)
                {
                    for (int i = 0; i < block; ++i)
                    {
                        RECT line = {x, y + i, x + block, y + i + 1};
                        HBRUSH brush = CreateSolidBrush(RGB((x + i * 3) & 0xFF, (y * 2 + i) & 0xFF, (seed >> 8) & 0xFF));
                        FillRect(dc, &line, brush);
                        DeleteObject(brush);
                    }
                }
                else
                {
                    HBRUSH brush = CreateSolidBrush(RGB((seed >> 8) & 0xFF, (seed >> 16) & 0xFF, (seed >> 24) & 0xFF));
                    FillRect(dc, &cell, brush);
                    DeleteObject(brush);
                }
                TextOutW(dc, x + 2, y + 2, L"Vellumor", 8);
            }
        }
        EndPaint(window, &paint);
        return 0;
    }

    HWND m_window;
};

inline void Print(const wchar_t* name, const Figures& figures, const wchar_t* unit)
{
    std::wprintf(L"%-34ls median %8.1f %-3ls max %8.1f %ls\n", name, figures.median, unit, figures.max, unit);
}
} // namespace bench
