#pragma once
// CAviWriter: writes bitmaps as the frames of one uncompressed AVI file through the
// AVIFile interface. The first frame fixes the stream's format (its size and bits per
// pixel) and creates the file; every later frame must have the same size and is written
// in that format: a bitmap is converted into one screen-sized frame buffer, made per file
// and reused for every frame, while pixels already in the stream's format are written as
// they are. Bitmaps handed in must not be selected into a device context.
//
// The file never grows past the size limit (2 GB, the most an AVI file's offsets
// address): a frame that would take it past is refused and the file keeps the frames
// written before.
#include "framework/CString.h"

#include <windows.h>
#include <vfw.h>

class CAviWriter
{
public:
    // The largest file a writer makes: 2 GB less one byte.
    static constexpr ULONGLONG kMaxFileBytes = 0x7FFFFFFF;
    // AddFrame's result for a frame that would take the file past its size limit.
    static constexpr HRESULT kFileFull = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_WIN32, ERROR_FILE_TOO_LARGE);

    // Nothing is created until the first frame arrives. maxFileBytes: the size limit
    // of the file (kMaxFileBytes unless a test needs a small one).
    CAviWriter(const wchar_t* path, unsigned framesPerSecond, ULONGLONG maxFileBytes = kMaxFileBytes);
    CAviWriter(const CAviWriter&) = delete;
    CAviWriter& operator=(const CAviWriter&) = delete;
    virtual ~CAviWriter();

    // The first successful call creates the file and its stream, then every call
    // appends the bitmap as the next frame. A failing HRESULT when the file or stream
    // cannot be made or written; E_INVALIDARG for a rate of 0, a bitmap of another size
    // than the first frame or one larger than the frame buffer; kFileFull for a frame
    // past the size limit. A failed first frame leaves nothing open, so the next call
    // tries again.
    HRESULT AddFrame(HBITMAP bitmap);
    // True when pixels of the layout are in the stream's format (the first frame has
    // fixed it): bottom-up rows of its size and depth, uncompressed.
    bool TakesPixels(const BITMAPINFOHEADER& layout) const;
    // Appends pixels in the stream's format (see TakesPixels) as the next frame, with no
    // conversion. E_FAIL before the first frame; kFileFull as AddFrame.
    HRESULT AddFramePixels(const void* pixels);
    // The text of AddFrame's failure hr, for the user.
    CString GetFailureText(HRESULT hr) const;

private:
    // A bitmap's header with room for the colour masks or table GetDIBits may add.
    struct FrameHeader
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    };

    HRESULT OpenWithFirstFrame(HBITMAP bitmap);
    HRESULT WriteFrame(HBITMAP bitmap);
    // Appends pixels in the stream's format unless the file would grow past its limit.
    HRESULT WritePixels(const void* pixels);
    // True when one more frame keeps the file within its size limit.
    bool FrameFits() const;
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
    ULONGLONG m_maxFileBytes;
};
