#pragma once
// CDibToolkit: a device-independent bitmap (DIB) in moveable global memory, packed as a
// BITMAPINFOHEADER, its colour table and the pixel rows. It grabs parts of the display,
// converts to and from device-dependent bitmaps and writes Windows bitmap files. Every
// failure is a null or false result.
#include <vector>
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

    // Takes ownership of a packed DIB; scale factors 1, offsets 0.
    explicit CDibToolkit(HGLOBAL dib) : m_hDib(dib) {}

    // The packed DIB the object owns; null while empty.
    HGLOBAL GetHandle() const { return m_hDib; }
    // Frees the DIB held before and keeps this one.
    void SetHandle(HGLOBAL dib);

    // Factors by which the printing placement (kPrintAtOffset) multiplies size and place.
    void SetScaleFactors(WORD x, WORD y);
    void SetOffsets(LONG x, LONG y);

    // A copy of the DIB's header as an information header (a core header converted), with
    // a missing image size and colour count filled in; false while empty.
    bool GetHeaderInfo(BITMAPINFOHEADER& header) const;

    // Reads a bitmap file ("BM" header) or a bare packed DIB from the file's current
    // position and keeps it; false when the file ends early or holds no DIB header.
    bool ReadDibFile(HANDLE file);
    // ReadDibFile of the named file; false when it cannot be opened or read.
    bool LoadFile(const wchar_t* path);

    // Where the DIB goes on a printed page of the device:
    //   kPrintBestFit   the largest rectangle of the DIB's proportions, centred;
    //   kPrintStretch   the whole page;
    //   kPrintAtOffset  at (x + offset x, y + offset y), both sizes times the scale factors.
    // The page is the device's size in millimetres at its resolution. Empty while empty.
    static constexpr int kPrintBestFit = 1;
    static constexpr int kPrintStretch = 2;
    static constexpr int kPrintAtOffset = 3;
    RECT GetPrintRect(HDC dc, int mode, int x, int y) const;

    // Stretches the source rectangle of the DIB onto the destination rectangle with the
    // raster operation; without a DIB, fills the destination with PatBlt and the operation.
    bool Draw(HDC dc, const RECT& destination, const RECT& source, DWORD rop) const;
    // Draws the whole DIB scaled onto the destination, but only the part inside clip;
    // nothing (false) when they do not meet.
    bool DrawScaledClipped(HDC dc, const RECT& destination, const RECT& clip) const;

    // The number of colours the device shows: 1 << (planes x bits per pixel).
    static ULONGLONG DeviceColorCount(HDC dc);
    // The rectangles of a region (empty for none) and its bounding box.
    static std::vector<RECT> GetRegionRects(HRGN region);
    static RECT GetRegionBox(HRGN region);

    // Reads the 2-byte type and the 12 bytes that follow; true when all were read.
    static bool ReadFileHeader(HANDLE file, BITMAPFILEHEADER& header);

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
    WORD m_scaleX = 1;
    WORD m_scaleY = 1;
    LONG m_offsetX = 0;
    LONG m_offsetY = 0;
};
