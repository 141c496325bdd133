#pragma once
// CDibToolkit: a device-independent bitmap (DIB) in moveable global memory, packed as a
// BITMAPINFOHEADER, its colour table and the pixel rows. It grabs parts of the display,
// converts to and from device-dependent bitmaps and writes Windows bitmap files. Every
// failure is a null or false result.
#include <windows.h>

class CDibToolkit
{
public:
    CDibToolkit() = default;
    // The DIB of the bitmap, converted with the system palette.
    explicit CDibToolkit(HBITMAP bitmap);
    CDibToolkit(const CDibToolkit&) = delete;
    CDibToolkit& operator=(const CDibToolkit&) = delete;
    virtual ~CDibToolkit();

    // The packed DIB the object owns; null while empty.
    HGLOBAL GetHandle() const { return m_hDib; }

    // Builds and keeps the DIB of the bitmap (1, 4, 8 or 24 bits per pixel), converted
    // through the palette (null: the stock default palette). The DIB or null.
    HGLOBAL FromBitmap(HBITMAP bitmap, HPALETTE palette);
    // A new bitmap compatible with the screen, made from the DIB; null while empty.
    HBITMAP ToBitmap(HPALETTE palette) const;
    // Writes the DIB as a bitmap file; true when every byte was written.
    bool SaveFile(const wchar_t* path) const;

    // Grabs a rectangle of the display, in screen coordinates.
    bool GrabScreenRect(const RECT& rect);
    // Grabs a window as it shows on the display: kWindowRect or kClientRect.
    bool CaptureWindow(HWND window, WORD mode);
    static constexpr WORD kWindowRect = 1;
    static constexpr WORD kClientRect = 2;

    // A new bitmap holding the display's pixels of the rectangle, cut at the screen's
    // edges; null when nothing of it is on the screen.
    static HBITMAP CopyScreenRect(const RECT& rect);
    // A new bitmap of the region's bounding box: the display's pixels inside the region,
    // white elsewhere; null for no region or an empty box.
    static HBITMAP CopyScreenRegion(HRGN region);
    // How many times this process has read pixels from the display: one for each
    // rectangle or region grabbed. Tests and benchmarks compare it around a capture.
    static unsigned long GetScreenReadCount();
    // A logical palette of the system palette, which the caller deletes; null on displays
    // of more than 8 bits per pixel, which have none.
    static HPALETTE GetSystemPalette();

    // Bytes of the colour table that follows a DIB header (core or information header).
    static WORD ColorTableSize(const BITMAPINFOHEADER* header);
    static WORD PaletteSize(const BITMAPINFOHEADER* header);

    // Writes the 14-byte bitmap file header; true when complete.
    static bool WriteFileHeader(HANDLE file, const BITMAPFILEHEADER& header);
    // Writes a block in chunks; the byte count, or 0 after a short write.
    static DWORD WriteBuffer(HANDLE file, const void* data, DWORD size);

private:
    void Free();

    HGLOBAL m_hDib = nullptr;
};
