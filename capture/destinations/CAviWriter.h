#pragma once
// CAviWriter: writes bitmaps as the frames of one uncompressed AVI file through the
// AVIFile interface. The first frame fixes the stream's format (its size and bits per
// pixel) and creates the file; every later frame must have the same size and is written
// in that format. One screen-sized frame buffer is made per file and reused for every
// frame. Bitmaps handed in must not be selected into a device context.
#include <windows.h>
#include <vfw.h>

class CAviWriter
{
public:
    // Nothing is created until the first frame arrives.
    CAviWriter(const wchar_t* path, unsigned framesPerSecond);
    CAviWriter(const CAviWriter&) = delete;
    CAviWriter& operator=(const CAviWriter&) = delete;
    virtual ~CAviWriter();

    // The first successful call creates the file and its stream, then every call
    // appends the bitmap as the next frame. A failing HRESULT when the file or stream
    // cannot be made or written; E_INVALIDARG for a rate of 0, a bitmap of another size
    // than the first frame or one larger than the frame buffer. A failed first frame
    // leaves nothing open, so the next call tries again.
    HRESULT AddFrame(HBITMAP bitmap);

private:
    // A bitmap's header with room for the colour masks or table GetDIBits may add.
    struct FrameHeader
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    };

    HRESULT OpenWithFirstFrame(HBITMAP bitmap);
    HRESULT WriteFrame(HBITMAP bitmap);
    // Fixes the stream's format from the first bitmap and makes the frame buffer.
    HRESULT PrepareFormat(HBITMAP bitmap);
    void ReleaseAll();
    // Creates the empty output file. AVIFileOpen reports every failure to open as one
    // code without a text; this gives the file system's own reason.
    HRESULT CreateOutputFile() const;
    // Opens the created file and makes its video stream in the fixed format.
    HRESULT OpenStreams();
    // The header of the bitmap's own size and format (bottom-up, uncompressed); false
    // when it is no bitmap.
    bool QueryFormat(HBITMAP bitmap, FrameHeader& info) const;
    // Bytes of the bottom-up pixel rows the header describes.
    static ULONGLONG ImageSize(const BITMAPINFOHEADER& header);

    HDC m_memoryDC = nullptr;
    HANDLE m_heap = nullptr;
    BYTE* m_frameBuffer = nullptr;
    DWORD m_frameBufferSize = 0;
    unsigned m_nextFrame = 0;
    wchar_t m_path[MAX_PATH] = {};
    PAVIFILE m_file = nullptr;
    PAVISTREAM m_stream = nullptr;
    PAVISTREAM m_compressedStream = nullptr;
    AVISTREAMINFOW m_streamInfo = {};
    AVICOMPRESSOPTIONS m_compressOptions = {};
    bool m_firstFramePending = true;
    unsigned m_framesPerSecond = 0;
    // The stream's format, fixed by the first frame; every frame is written in it.
    BITMAPINFOHEADER m_format = {};
};
