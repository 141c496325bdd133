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
            FAILED(AVIFileGetStream(m_file, &m_stream, streamtypeVIDEO, 0)))
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
    const BITMAPINFOHEADER& Format() const { return m_format; }

    // The colour at the frame's point, y counted from the top; black when the
    // frame cannot be read.
    COLORREF PixelAt(LONG frame, int x, int y)
    {
        std::vector<BYTE> pixels(m_format.biSizeImage);
        LONG bytes = 0;
        if (FAILED(AVIStreamRead(m_stream, frame, 1, pixels.data(), static_cast<LONG>(pixels.size()), &bytes, nullptr)))
            return 0;
        const int stride = ((m_format.biWidth * m_format.biBitCount + 31) / 32) * 4;
        const BYTE* pixel = pixels.data() + (m_format.biHeight - 1 - y) * stride + x * m_format.biBitCount / 8;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }

private:
    PAVIFILE m_file = nullptr;
    PAVISTREAM m_stream = nullptr;
    BITMAPINFOHEADER m_format = {};
    bool m_open = false;
};
