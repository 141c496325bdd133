#include "capture/movie/CMovieFrameGrabber.h"

CMovieFrameGrabber::CMovieFrameGrabber()
    : m_display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)),
      m_memory(m_display ? CreateCompatibleDC(m_display) : nullptr)
{
}

std::shared_ptr<const CImage> CMovieFrameGrabber::GrabRect(const RECT& rect)
{
    return Grab(rect, nullptr);
}

std::shared_ptr<const CImage> CMovieFrameGrabber::GrabRegion(HRGN region)
{
    RECT box = {};
    if (!region || GetRgnBox(region, &box) == ERROR)
        return nullptr;
    return Grab(box, region);
}

std::shared_ptr<const CImage> CMovieFrameGrabber::GrabWindow(HWND window)
{
    RECT rect = {};
    if (!window || !GetWindowRect(window, &rect))
        return nullptr;
    return Grab(rect, nullptr);
}

std::shared_ptr<const CImage> CMovieFrameGrabber::Grab(RECT box, HRGN clip)
{
    const RECT screen = {0, 0, GetDeviceCaps(m_display, HORZRES), GetDeviceCaps(m_display, VERTRES)};
    if (!m_memory || !IntersectRect(&box, &box, &screen))
        return nullptr;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (!PrepareFrame(width, height))
        return nullptr;

    CSelectedObject frame(m_memory, static_cast<HBITMAP>(*m_frame));
    if (clip)
    {
        const RECT whole = {0, 0, width, height};
        FillRect(m_memory, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        CRegionHandle shifted(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(shifted, clip, nullptr, RGN_COPY);
        OffsetRgn(shifted, -box.left, -box.top);
        SelectClipRgn(m_memory, shifted);
    }
    const bool copied = BitBlt(m_memory, 0, 0, width, height, m_display, box.left, box.top, SRCCOPY) != FALSE;
    SelectClipRgn(m_memory, nullptr);
    return copied ? m_frame : nullptr;
}

bool CMovieFrameGrabber::PrepareFrame(int width, int height)
{
    if (m_frame && m_frame->GetWidth() == width && m_frame->GetHeight() == height)
        return true;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    CBitmapHandle section(CreateDIBSection(m_memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto frame = std::make_shared<CImage>();
    if (!section || !frame->Attach(section))
        return false;
    section.Release();
    m_frame = frame;
    m_layout = info.bmiHeader;
    m_pixels = bits;
    return true;
}

bool CMovieFrameGrabber::GetPixels(HBITMAP picture, BITMAPINFOHEADER& layout, const void*& pixels) const
{
    if (!m_frame || picture != static_cast<HBITMAP>(*m_frame))
        return false;
    GdiFlush();
    layout = m_layout;
    pixels = m_pixels;
    return true;
}
