#pragma once
// Test support for movie files: the frames of an AVI file read back through AVIFile.
#include "framework/CString.h"

#include <vector>
#include <windows.h>
// AVIFile's header needs windows.h first.
#include <vfw.h>

// The frames of an AVI file's video stream as an AVI reader sees them.
class MovieReader
{
public:
    explicit MovieReader(const CString& path)
    {
        AVIFileInit();
        if (FAILED(AVIFileOpenW(&m_file, path, OF_READ, nullptr)) ||
            FAILED(AVIFileGetStream(m_file, &m_stream, streamtypeVIDEO, 0)) ||
            FAILED(AVIStreamInfoW(m_stream, &m_info, sizeof(m_info))))
            return;
        LONG size = sizeof(m_format);
        m_open = SUCCEEDED(AVIStreamReadFormat(m_stream, 0, &m_format, &size));
    }
    ~MovieReader()
    {
        if (m_stream)
            AVIStreamRelease(m_stream);
        if (m_file)
            AVIFileRelease(m_file);
        AVIFileExit();
    }
    MovieReader(const MovieReader&) = delete;
    MovieReader& operator=(const MovieReader&) = delete;

    bool IsOpen() const { return m_open; }
    LONG FrameCount() const { return AVIStreamLength(m_stream); }
    const AVISTREAMINFOW& Info() const { return m_info; }
    const BITMAPINFOHEADER& Format() const { return m_format; }
    bool IsKeyFrame(LONG frame) const { return AVIStreamIsKeyFrame(m_stream, frame); }

    // Reads one frame; false when it cannot be read or has not the format's size.
    bool ReadFrame(LONG frame)
    {
        m_pixels.assign(m_format.biSizeImage, 0);
        LONG bytes = 0;
        return SUCCEEDED(AVIStreamRead(m_stream, frame, 1, m_pixels.data(), static_cast<LONG>(m_pixels.size()), &bytes,
                                       nullptr)) &&
               bytes == static_cast<LONG>(m_format.biSizeImage);
    }
    // The pixel of the frame last read, y counted from the top of the picture.
    COLORREF PixelAt(int x, int y) const
    {
        const int stride = ((m_format.biWidth * m_format.biBitCount + 31) / 32) * 4;
        const BYTE* pixel = m_pixels.data() + (m_format.biHeight - 1 - y) * stride + x * m_format.biBitCount / 8;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }
    // The colour at the frame's point; black when the frame cannot be read.
    COLORREF PixelAt(LONG frame, int x, int y) { return ReadFrame(frame) ? PixelAt(x, y) : 0; }

private:
    PAVIFILE m_file = nullptr;
    PAVISTREAM m_stream = nullptr;
    AVISTREAMINFOW m_info = {};
    BITMAPINFOHEADER m_format = {};
    std::vector<BYTE> m_pixels;
    bool m_open = false;
};
