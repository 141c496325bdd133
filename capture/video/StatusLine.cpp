#include "capture/video/StatusLine.h"

namespace
{
const wchar_t kStatusClass[] = L"VellumorStatusClass";
const wchar_t kTextClass[] = L"SText";
constexpr int kTextChild = 1;
constexpr int kLongestText = 127;

// The shared tools; users counts the StatusInit calls whose windows still live.
struct StatusTools
{
    HBRUSH highlight = nullptr;
    HBRUSH shadow = nullptr;
    HFONT font = nullptr;
    bool stockFont = false;
    int height = 0;
    int users = 0;
} g_tools;

bool RegisterStatusClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSW windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void FillEdge(HDC dc, HBRUSH brush, int x, int y, int width, int height)
{
    HGDIOBJ old = SelectObject(dc, brush);
    PatBlt(dc, x, y, width, height, PATCOPY);
    SelectObject(dc, old);
}

void PaintText(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    wchar_t text[kLongestText + 1] = L"";
    GetWindowTextW(window, text, kLongestText + 1);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldFont = SelectObject(dc, g_tools.font ? g_tools.font : GetStockObject(SYSTEM_FONT));
    RECT inside = client;
    InflateRect(&inside, -1, -1);
    ExtTextOutW(dc, 4, 1, ETO_OPAQUE, &inside, text, static_cast<UINT>(wcslen(text)), nullptr);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    FillEdge(dc, g_tools.shadow, client.left, client.top, 1, height);
    FillEdge(dc, g_tools.shadow, client.left, client.top, width, 1);
    FillEdge(dc, g_tools.highlight, client.right - 1, client.top + 1, 1, height - 1);
    FillEdge(dc, g_tools.highlight, client.left + 1, client.bottom - 1, width - 1, 1);
    SelectObject(dc, oldFont);
}
} // namespace

void StatusCreateTools()
{
    if (g_tools.highlight)
        return;
    g_tools.highlight = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
    g_tools.shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    g_tools.font = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Helv");
    g_tools.stockFont = g_tools.font == nullptr;
    if (g_tools.stockFont)
        g_tools.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, g_tools.font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen, &metrics);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    g_tools.height = metrics.tmHeight * 3 / 2;
}

void StatusDeleteTools()
{
    if (g_tools.highlight)
        DeleteObject(g_tools.highlight);
    if (g_tools.shadow)
        DeleteObject(g_tools.shadow);
    if (g_tools.font && !g_tools.stockFont)
        DeleteObject(g_tools.font);
    g_tools.highlight = g_tools.shadow = nullptr;
    g_tools.font = nullptr;
}

bool StatusInit(HINSTANCE instance, bool previousInstance)
{
    StatusCreateTools();
    ++g_tools.users;
    if (previousInstance)
        return true;
    return RegisterStatusClass(instance, kStatusClass, &StatusWndProc) &&
           RegisterStatusClass(instance, kTextClass, &STextWndProc);
}

int StatusGetHeight()
{
    return g_tools.height;
}

void StatusSetText(HWND status, const wchar_t* text)
{
    SetDlgItemTextW(status, kTextChild, text ? text : L"");
}

LRESULT CALLBACK StatusWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
        if (!CreateWindowExW(0, kTextClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, window,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextChild)),
                             reinterpret_cast<LPCREATESTRUCTW>(lParam)->hInstance, nullptr))
            return -1;
        break;
    case WM_DESTROY:
        // The last status line gives the tools back.
        if (g_tools.users > 0 && --g_tools.users == 0)
            StatusDeleteTools();
        break;
    case WM_SIZE:
        MoveWindow(GetDlgItem(window, kTextChild), 2, 1, LOWORD(lParam) - 4, HIWORD(lParam) - 2, TRUE);
        break;
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SYSCOLORCHANGE:
        StatusDeleteTools();
        StatusCreateTools();
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK STextWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SETTEXT:
        DefWindowProcW(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        return 0;
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintText(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
