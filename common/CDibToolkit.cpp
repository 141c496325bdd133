#include "common/CDibToolkit.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <vector>

namespace
{
const DWORD kWriteChunk = 32768;

std::atomic<unsigned long> g_screenReads{0};

// A "DISPLAY" device context and a memory DC that receives a new compatible bitmap,
// all released on destruction unless the bitmap was taken.
class ScreenCanvas
{
public:
    ScreenCanvas()
        : m_screen(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)),
          m_memory(m_screen ? CreateCompatibleDC(m_screen) : nullptr)
    {
        ++g_screenReads;
    }
    ScreenCanvas(const ScreenCanvas&) = delete;
    ScreenCanvas& operator=(const ScreenCanvas&) = delete;
    ~ScreenCanvas()
    {
        if (HBITMAP bitmap = Detach())
            DeleteObject(bitmap);
        if (m_memory)
            DeleteDC(m_memory);
        if (m_screen)
            DeleteDC(m_screen);
    }

    bool IsOpen() const { return m_memory != nullptr; }
    HDC Memory() const { return m_memory; }
    int ScreenWidth() const { return GetDeviceCaps(m_screen, HORZRES); }
    int ScreenHeight() const { return GetDeviceCaps(m_screen, VERTRES); }

    bool CreateBitmap(int width, int height)
    {
        m_bitmap = CreateCompatibleBitmap(m_screen, width, height);
        if (m_bitmap)
            m_oldBitmap = SelectObject(m_memory, m_bitmap);
        return m_bitmap != nullptr;
    }

    bool CopyFromScreen(int x, int y, int width, int height, int screenX, int screenY)
    {
        return BitBlt(m_memory, x, y, width, height, m_screen, screenX, screenY, SRCCOPY) != FALSE;
    }

    // The bitmap, no longer selected and no longer the canvas's to delete.
    HBITMAP Detach()
    {
        HBITMAP bitmap = m_bitmap;
        if (bitmap)
            SelectObject(m_memory, m_oldBitmap);
        m_bitmap = nullptr;
        return bitmap;
    }

private:
    HDC m_screen;
    HDC m_memory;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
};

WORD DibBitCount(int deviceBits)
{
    if (deviceBits <= 1)
        return 1;
    if (deviceBits <= 4)
        return 4;
    return deviceBits <= 8 ? 8 : 24;
}

DWORD ImageSize(const BITMAPINFOHEADER& header)
{
    DWORD rowBytes = ((static_cast<DWORD>(header.biBitCount) * header.biWidth + 31) / 32) * 4;
    return rowBytes * static_cast<DWORD>(std::abs(header.biHeight));
}

bool WriteAll(HANDLE file, const BYTE* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

// Reads the bitmap's pixels in the header's format into a new packed DIB; null on failure.
HGLOBAL ReadDib(HDC dc, HBITMAP bitmap, const BITMAPINFOHEADER& header)
{
    DWORD infoSize = header.biSize + CDibToolkit::ColorTableSize(&header);
    UINT lines = static_cast<UINT>(std::abs(header.biHeight));
    HGLOBAL dib = GlobalAlloc(GHND, infoSize);
    if (!dib)
        return nullptr;
    auto* info = static_cast<BITMAPINFO*>(GlobalLock(dib));
    if (!info)
    {
        GlobalFree(dib);
        return nullptr;
    }
    info->bmiHeader = header;
    // Without bits GetDIBits only completes the header.
    bool ok = GetDIBits(dc, bitmap, 0, lines, nullptr, info, DIB_RGB_COLORS) != 0;
    if (info->bmiHeader.biSizeImage == 0)
        info->bmiHeader.biSizeImage = ImageSize(info->bmiHeader);
    DWORD imageSize = info->bmiHeader.biSizeImage;
    GlobalUnlock(dib);

    HGLOBAL grown = ok ? GlobalReAlloc(dib, infoSize + imageSize, GMEM_MOVEABLE | GMEM_ZEROINIT) : nullptr;
    info = grown ? static_cast<BITMAPINFO*>(GlobalLock(grown)) : nullptr;
    if (!info)
    {
        GlobalFree(grown ? grown : dib);
        return nullptr;
    }
    ok = GetDIBits(dc, bitmap, 0, lines, reinterpret_cast<BYTE*>(info) + infoSize, info, DIB_RGB_COLORS) != 0;
    GlobalUnlock(grown);
    if (!ok)
    {
        GlobalFree(grown);
        return nullptr;
    }
    return grown;
}
} // namespace

CDibToolkit::CDibToolkit(HBITMAP bitmap)
{
    HPALETTE palette = GetSystemPalette();
    FromBitmap(bitmap, palette);
    if (palette)
        DeleteObject(palette);
}

CDibToolkit::~CDibToolkit()
{
    Free();
}

void CDibToolkit::Free()
{
    if (m_hDib)
        GlobalFree(m_hDib);
    m_hDib = nullptr;
}

HGLOBAL CDibToolkit::FromBitmap(HBITMAP bitmap, HPALETTE palette)
{
    BITMAP bm;
    if (!bitmap || !GetObjectW(bitmap, sizeof(bm), &bm))
        return nullptr;
    BITMAPINFOHEADER header = {sizeof(header)};
    header.biWidth = bm.bmWidth;
    header.biHeight = bm.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = DibBitCount(bm.bmPlanes * bm.bmBitsPixel);
    header.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    if (!screen)
        return nullptr;
    HPALETTE used = palette ? palette : static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    HPALETTE oldPalette = SelectPalette(screen, used, FALSE);
    RealizePalette(screen);
    Free();
    m_hDib = ReadDib(screen, bitmap, header);
    SelectPalette(screen, oldPalette, FALSE);
    RealizePalette(screen);
    ReleaseDC(nullptr, screen);
    return m_hDib;
}

HBITMAP CDibToolkit::ToBitmap(HPALETTE palette) const
{
    auto* info = m_hDib ? static_cast<const BITMAPINFO*>(GlobalLock(m_hDib)) : nullptr;
    if (!info)
        return nullptr;
    const BYTE* bits = reinterpret_cast<const BYTE*>(info) + info->bmiHeader.biSize + ColorTableSize(&info->bmiHeader);
    HBITMAP bitmap = nullptr;
    if (HDC screen = GetDC(nullptr))
    {
        HPALETTE oldPalette = palette ? SelectPalette(screen, palette, FALSE) : nullptr;
        if (palette)
            RealizePalette(screen);
        bitmap = CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
        if (palette)
        {
            SelectPalette(screen, oldPalette, FALSE);
            RealizePalette(screen);
        }
        ReleaseDC(nullptr, screen);
    }
    GlobalUnlock(m_hDib);
    return bitmap;
}

bool CDibToolkit::SaveFile(const wchar_t* path) const
{
    if (!m_hDib)
        return false;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = false;
    DWORD dibSize = static_cast<DWORD>(GlobalSize(m_hDib));
    if (auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(m_hDib)))
    {
        BITMAPFILEHEADER fileHeader = {};
        fileHeader.bfType = 0x4D42; // "BM"
        fileHeader.bfSize = dibSize + sizeof(BITMAPFILEHEADER);
        fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + header->biSize + ColorTableSize(header);
        written = WriteFileHeader(file, fileHeader) && WriteBuffer(file, header, dibSize) == dibSize;
        GlobalUnlock(m_hDib);
    }
    CloseHandle(file);
    return written;
}

bool CDibToolkit::GrabScreenRect(const RECT& rect)
{
    HBITMAP bitmap = CopyScreenRect(rect);
    if (!bitmap)
        return false;
    HPALETTE palette = GetSystemPalette();
    bool grabbed = FromBitmap(bitmap, palette) != nullptr;
    if (palette)
        DeleteObject(palette);
    DeleteObject(bitmap);
    return grabbed;
}

bool CDibToolkit::CaptureWindow(HWND window, WORD mode)
{
    RECT rect;
    if (!window)
        return false;
    if (mode == kWindowRect)
    {
        if (!GetWindowRect(window, &rect))
            return false;
    }
    else if (mode == kClientRect)
    {
        POINT corners[2];
        if (!GetClientRect(window, &rect))
            return false;
        corners[0] = {rect.left, rect.top};
        corners[1] = {rect.right, rect.bottom};
        ClientToScreen(window, &corners[0]);
        ClientToScreen(window, &corners[1]);
        rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    }
    else
    {
        return false;
    }
    return GrabScreenRect(rect);
}

HBITMAP CDibToolkit::CopyScreenRect(const RECT& rect)
{
    if (IsRectEmpty(&rect))
        return nullptr;
    ScreenCanvas canvas;
    if (!canvas.IsOpen())
        return nullptr;
    int left = std::max<int>(rect.left, 0);
    int top = std::max<int>(rect.top, 0);
    int width = std::min<int>(canvas.ScreenWidth(), rect.right) - left;
    int height = std::min<int>(canvas.ScreenHeight(), rect.bottom) - top;
    // Nothing of a rectangle wholly off the screen can be grabbed.
    if (width <= 0 || height <= 0)
        return nullptr;
    if (!canvas.CreateBitmap(width, height) || !canvas.CopyFromScreen(0, 0, width, height, left, top))
        return nullptr;
    return canvas.Detach();
}

HBITMAP CDibToolkit::CopyScreenRegion(HRGN region)
{
    RECT box;
    if (!region || GetRgnBox(region, &box) == ERROR || IsRectEmpty(&box))
        return nullptr;
    DWORD dataSize = GetRegionData(region, 0, nullptr);
    std::vector<BYTE> buffer(dataSize);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (!dataSize || !GetRegionData(region, dataSize, data))
        return nullptr;

    ScreenCanvas canvas;
    if (!canvas.IsOpen())
        return nullptr;
    int width = std::min<int>(box.right - box.left, canvas.ScreenWidth());
    int height = std::min<int>(box.bottom - box.top, canvas.ScreenHeight());
    if (!canvas.CreateBitmap(width, height))
        return nullptr;

    RECT whole = {0, 0, width, height};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(canvas.Memory(), &whole, white);
    DeleteObject(white);
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i)
    {
        const RECT& r = rects[i];
        if (!canvas.CopyFromScreen(r.left - box.left, r.top - box.top, r.right - r.left, r.bottom - r.top, r.left,
                                   r.top))
            return nullptr;
    }
    return canvas.Detach();
}

unsigned long CDibToolkit::GetScreenReadCount()
{
    return g_screenReads;
}

HPALETTE CDibToolkit::GetSystemPalette()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return nullptr;
    int depth = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL);
    HPALETTE palette = nullptr;
    // Only displays of up to 8 bits per pixel have a system palette.
    if (depth <= 8)
    {
        UINT count = 1u << depth;
        std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
        auto* logical = reinterpret_cast<LOGPALETTE*>(buffer.data());
        logical->palVersion = 0x300;
        logical->palNumEntries = static_cast<WORD>(count);
        GetSystemPaletteEntries(screen, 0, count, logical->palPalEntry);
        palette = CreatePalette(logical);
    }
    ReleaseDC(nullptr, screen);
    return palette;
}

WORD CDibToolkit::ColorTableSize(const BITMAPINFOHEADER* header)
{
    if (!header)
        return 0;
    // Headers shorter than an information header hold RGB triples, and the core header
    // keeps its bit count at a field of its own.
    bool core = header->biSize < sizeof(BITMAPINFOHEADER);
    WORD bits = header->biSize <= sizeof(BITMAPCOREHEADER)
                    ? reinterpret_cast<const BITMAPCOREHEADER*>(header)->bcBitCount
                    : header->biBitCount;
    DWORD entries = 0;
    if (!core && header->biClrUsed)
        entries = header->biClrUsed;
    else if (bits == 1 || bits == 4 || bits == 8)
        entries = 1u << bits;
    return static_cast<WORD>(entries * (core ? sizeof(RGBTRIPLE) : sizeof(RGBQUAD)));
}

WORD CDibToolkit::PaletteSize(const BITMAPINFOHEADER* header)
{
    return ColorTableSize(header);
}

bool CDibToolkit::WriteFileHeader(HANDLE file, const BITMAPFILEHEADER& header)
{
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&header);
    const DWORD typeSize = sizeof(header.bfType);
    return WriteAll(file, bytes, typeSize) && WriteAll(file, bytes + typeSize, sizeof(header) - typeSize);
}

DWORD CDibToolkit::WriteBuffer(HANDLE file, const void* data, DWORD size)
{
    const BYTE* bytes = static_cast<const BYTE*>(data);
    DWORD done = 0;
    while (size - done > kWriteChunk)
    {
        if (!WriteAll(file, bytes + done, kWriteChunk))
            return 0;
        done += kWriteChunk;
    }
    return WriteAll(file, bytes + done, size - done) ? size : 0;
}

void CDibToolkit::SetHandle(HGLOBAL dib)
{
    if (dib != m_hDib)
        Free();
    m_hDib = dib;
}

void CDibToolkit::SetScaleFactors(WORD x, WORD y)
{
    m_scaleX = x;
    m_scaleY = y;
}

void CDibToolkit::SetOffsets(LONG x, LONG y)
{
    m_offsetX = x;
    m_offsetY = y;
}

bool CDibToolkit::GetHeaderInfo(BITMAPINFOHEADER& header) const
{
    auto* locked = m_hDib ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(m_hDib)) : nullptr;
    if (!locked)
        return false;
    WORD tableBytes = ColorTableSize(locked);
    if (locked->biSize == sizeof(BITMAPCOREHEADER))
    {
        auto* core = reinterpret_cast<const BITMAPCOREHEADER*>(locked);
        header = {sizeof(BITMAPINFOHEADER), core->bcWidth, core->bcHeight, core->bcPlanes, core->bcBitCount};
        header.biClrUsed = tableBytes / sizeof(RGBTRIPLE);
    }
    else
    {
        header = *locked;
        if (header.biClrUsed == 0)
            header.biClrUsed = tableBytes / sizeof(RGBQUAD);
    }
    GlobalUnlock(m_hDib);
    if (header.biSizeImage == 0)
        header.biSizeImage = ImageSize(header);
    return true;
}

bool CDibToolkit::ReadFileHeader(HANDLE file, BITMAPFILEHEADER& header)
{
    BYTE* bytes = reinterpret_cast<BYTE*>(&header);
    const DWORD typeSize = sizeof(header.bfType), restSize = sizeof(header) - typeSize;
    DWORD read = 0, readRest = 0;
    return ReadFile(file, bytes, typeSize, &read, nullptr) && read == typeSize &&
           ReadFile(file, bytes + typeSize, restSize, &readRest, nullptr) && readRest == restSize;
}

bool CDibToolkit::ReadDibFile(HANDLE file)
{
    LARGE_INTEGER start = {}, size = {};
    if (!SetFilePointerEx(file, LARGE_INTEGER{}, &start, FILE_CURRENT) || !GetFileSizeEx(file, &size))
        return false;
    BITMAPFILEHEADER fileHeader = {};
    // Anything but a "BM" file is read as a bare packed DIB from where the file stood.
    if (!ReadFileHeader(file, fileHeader) || fileHeader.bfType != 0x4D42)
        SetFilePointerEx(file, start, nullptr, FILE_BEGIN);
    LARGE_INTEGER here = {};
    SetFilePointerEx(file, LARGE_INTEGER{}, &here, FILE_CURRENT);
    const LONGLONG dibSize = size.QuadPart - here.QuadPart;
    if (dibSize < static_cast<LONGLONG>(sizeof(BITMAPCOREHEADER)) || dibSize > 0x7FFFFFFF)
        return false;
    HGLOBAL dib = GlobalAlloc(GHND, static_cast<SIZE_T>(dibSize));
    BYTE* bytes = dib ? static_cast<BYTE*>(GlobalLock(dib)) : nullptr;
    DWORD read = 0;
    bool ok = bytes && ReadFile(file, bytes, static_cast<DWORD>(dibSize), &read, nullptr) && read == dibSize;
    DWORD headerSize = ok ? reinterpret_cast<const BITMAPINFOHEADER*>(bytes)->biSize : 0;
    ok = ok && (headerSize == sizeof(BITMAPCOREHEADER) || headerSize >= sizeof(BITMAPINFOHEADER));
    if (bytes)
        GlobalUnlock(dib);
    if (!ok)
    {
        if (dib)
            GlobalFree(dib);
        return false;
    }
    SetHandle(dib);
    return true;
}

bool CDibToolkit::LoadFile(const wchar_t* path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool read = ReadDibFile(file);
    CloseHandle(file);
    return read;
}

RECT CDibToolkit::GetPrintRect(HDC dc, int mode, int x, int y) const
{
    BITMAPINFOHEADER header;
    if (!GetHeaderInfo(header))
        return RECT{};
    const LONG pageWidth = MulDiv(GetDeviceCaps(dc, HORZSIZE), GetDeviceCaps(dc, LOGPIXELSX) * 10, 254);
    const LONG pageHeight = MulDiv(GetDeviceCaps(dc, VERTSIZE), GetDeviceCaps(dc, LOGPIXELSY) * 10, 254);
    const LONG width = header.biWidth, height = std::abs(header.biHeight);
    switch (mode)
    {
    case kPrintStretch:
        return RECT{0, 0, pageWidth, pageHeight};
    case kPrintAtOffset: {
        LONG left = (x + m_offsetX) * m_scaleX, top = (y + m_offsetY) * m_scaleY;
        return RECT{left, top, left + width * m_scaleX, top + height * m_scaleY};
    }
    default: {
        if (width <= 0 || height <= 0)
            return RECT{};
        // Fit the width first; when the picture is then too tall, fit the height.
        LONG fitWidth = pageWidth, fitHeight = MulDiv(pageWidth, height, width);
        if (fitHeight > pageHeight)
        {
            fitHeight = pageHeight;
            fitWidth = MulDiv(pageHeight, width, height);
        }
        LONG left = (pageWidth - fitWidth) / 2, top = (pageHeight - fitHeight) / 2;
        return RECT{left, top, left + fitWidth, top + fitHeight};
    }
    }
}

bool CDibToolkit::Draw(HDC dc, const RECT& destination, const RECT& source, DWORD rop) const
{
    const int width = destination.right - destination.left, height = destination.bottom - destination.top;
    auto* info = m_hDib ? static_cast<const BITMAPINFO*>(GlobalLock(m_hDib)) : nullptr;
    if (!info)
        return PatBlt(dc, destination.left, destination.top, width, height, rop) != FALSE;
    const BYTE* bits = reinterpret_cast<const BYTE*>(info) + info->bmiHeader.biSize + ColorTableSize(&info->bmiHeader);
    SetStretchBltMode(dc, COLORONCOLOR);
    bool drawn = StretchDIBits(dc, destination.left, destination.top, width, height, source.left, source.top,
                               source.right - source.left, source.bottom - source.top, bits, info, DIB_RGB_COLORS,
                               rop) != 0;
    GlobalUnlock(m_hDib);
    return drawn;
}

bool CDibToolkit::DrawScaledClipped(HDC dc, const RECT& destination, const RECT& clip) const
{
    BITMAPINFOHEADER header;
    RECT part;
    if (!GetHeaderInfo(header) || !IntersectRect(&part, &destination, &clip))
        return false;
    const double scaleX = double(header.biWidth) / (destination.right - destination.left);
    const double scaleY = double(std::abs(header.biHeight)) / (destination.bottom - destination.top);
    // The source rows count from the picture's top, as StretchDIBits takes them for a
    // bottom-up DIB drawn upright.
    RECT source = {LONG((part.left - destination.left) * scaleX + 0.5), LONG((part.top - destination.top) * scaleY + 0.5),
                   LONG((part.right - destination.left) * scaleX + 0.5),
                   LONG((part.bottom - destination.top) * scaleY + 0.5)};
    const LONG sourceHeight = source.bottom - source.top;
    source.top = std::abs(header.biHeight) - source.bottom;
    source.bottom = source.top + sourceHeight;
    return Draw(dc, part, source, SRCCOPY);
}

ULONGLONG CDibToolkit::DeviceColorCount(HDC dc)
{
    int bits = GetDeviceCaps(dc, PLANES) * GetDeviceCaps(dc, BITSPIXEL);
    return 1ull << std::min(bits, 63);
}

std::vector<RECT> CDibToolkit::GetRegionRects(HRGN region)
{
    DWORD size = region ? GetRegionData(region, 0, nullptr) : 0;
    if (size < sizeof(RGNDATAHEADER))
        return {};
    std::vector<BYTE> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(region, size, data) != size)
        return {};
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    return std::vector<RECT>(rects, rects + data->rdh.nCount);
}

RECT CDibToolkit::GetRegionBox(HRGN region)
{
    RECT box = {};
    if (!region || GetRgnBox(region, &box) == ERROR)
        box = {};
    return box;
}
