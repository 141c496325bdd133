#include "capture/destinations/CAviWriter.h"

#include "common/SystemHelpers.h"

#include <cstdlib>
#include <cwchar>

namespace
{
// Room for the file's headers: the RIFF and list headers, the main and stream headers
// with the format, and the index list's header.
const ULONGLONG kHeaderBytes = 64 * 1024;
// What a frame adds besides its pixels: its chunk header and its index entry.
const ULONGLONG kFrameOverheadBytes = 8 + 16;
} // namespace

CAviWriter::CAviWriter(const wchar_t* path, unsigned framesPerSecond, ULONGLONG maxFileBytes)
    : m_framesPerSecond(framesPerSecond), m_maxFileBytes(maxFileBytes)
{
    ::AVIFileInit();
    // A path that does not fit stays empty, so the file is refused rather than a
    // shortened name written.
    if (path && std::wcslen(path) < MAX_PATH)
        ::wcscpy_s(m_path, path);
}

CAviWriter::~CAviWriter()
{
    ReleaseAll();
    ::AVIFileExit();
}

HRESULT CAviWriter::AddFrame(HBITMAP bitmap)
{
    return m_firstFramePending ? OpenWithFirstFrame(bitmap) : WriteFrame(bitmap);
}

HRESULT CAviWriter::OpenWithFirstFrame(HBITMAP bitmap)
{
    if (m_framesPerSecond == 0)
        return E_INVALIDARG;
    if (!m_path[0])
        return HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME);

    HRESULT hr = PrepareFormat(bitmap);
    if (SUCCEEDED(hr))
        hr = CreateOutputFile();
    if (FAILED(hr))
    {
        ReleaseAll();
        return hr;
    }
    hr = OpenStreams();
    if (FAILED(hr))
    {
        ReleaseAll();
        // Nothing is kept of a file that got no stream.
        ::DeleteFileW(m_path);
        return hr;
    }

    m_firstFramePending = false;
    return WriteFrame(bitmap);
}

HRESULT CAviWriter::PrepareFormat(HBITMAP bitmap)
{
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    m_frameBufferSize = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;

    m_memoryDC = ::CreateCompatibleDC(nullptr);
    FrameHeader first;
    if (!m_memoryDC || !QueryFormat(bitmap, first))
        return E_FAIL;
    m_format = first.header;
    // The stream's format carries no colour table, so palette bitmaps become 24-bit.
    if (m_format.biBitCount <= 8)
        m_format.biBitCount = 24;
    const ULONGLONG imageSize = ImageSize(m_format);
    if (imageSize > m_frameBufferSize)
        return E_INVALIDARG;
    m_format.biSizeImage = static_cast<DWORD>(imageSize);

    m_heap = ::HeapCreate(HEAP_NO_SERIALIZE, m_frameBufferSize, 0);
    if (m_heap)
        m_frameBuffer =
            static_cast<BYTE*>(::HeapAlloc(m_heap, HEAP_NO_SERIALIZE | HEAP_ZERO_MEMORY, m_frameBufferSize));
    return m_frameBuffer ? S_OK : E_FAIL;
}

bool CAviWriter::TakesPixels(const BITMAPINFOHEADER& layout) const
{
    return !m_firstFramePending && layout.biWidth == m_format.biWidth && layout.biHeight == m_format.biHeight &&
           layout.biBitCount == m_format.biBitCount && layout.biCompression == BI_RGB;
}

HRESULT CAviWriter::AddFramePixels(const void* pixels)
{
    if (m_firstFramePending || !pixels)
        return E_FAIL;
    return WritePixels(pixels);
}

HRESULT CAviWriter::WriteFrame(HBITMAP bitmap)
{
    FrameHeader frame;
    if (!QueryFormat(bitmap, frame))
        return E_FAIL;
    if (frame.header.biWidth != m_format.biWidth || frame.header.biHeight != m_format.biHeight)
        return E_INVALIDARG;
    // The stream's format, so a bitmap of another depth or layout is converted on the way.
    frame.header = m_format;
    if (::GetDIBits(m_memoryDC, bitmap, 0, static_cast<UINT>(m_format.biHeight), m_frameBuffer,
                    reinterpret_cast<BITMAPINFO*>(&frame), DIB_RGB_COLORS) != m_format.biHeight)
        return E_FAIL;
    return WritePixels(m_frameBuffer);
}

HRESULT CAviWriter::WritePixels(const void* pixels)
{
    if (!FrameFits())
        return kFileFull;
    // The compressed stream marks the key frames itself.
    const HRESULT hr = ::AVIStreamWrite(m_compressedStream, static_cast<LONG>(m_nextFrame), 1,
                                        const_cast<void*>(pixels), static_cast<LONG>(m_format.biSizeImage), 0,
                                        nullptr, nullptr);
    if (SUCCEEDED(hr))
        ++m_nextFrame;
    return hr;
}

bool CAviWriter::FrameFits() const
{
    const ULONGLONG frameBytes = m_format.biSizeImage + kFrameOverheadBytes;
    return kHeaderBytes + (m_nextFrame + 1ULL) * frameBytes <= m_maxFileBytes;
}

CString CAviWriter::GetFailureText(HRESULT hr) const
{
    if (hr != kFileFull)
        return GetHResultText(hr);
    CString text;
    text.Format(L"The movie file '%s' has reached the largest size an AVI file can have (2 GB): the frame was not "
                L"added, and the file keeps the %u frames recorded before it.",
                m_path, m_nextFrame);
    return text;
}

HRESULT CAviWriter::OpenStreams()
{
    HRESULT hr = ::AVIFileOpenW(&m_file, m_path, OF_CREATE | OF_WRITE, nullptr);
    if (FAILED(hr))
        return hr;

    m_streamInfo = AVISTREAMINFOW();
    m_streamInfo.fccType = streamtypeVIDEO;
    m_streamInfo.fccHandler = mmioFOURCC('D', 'I', 'B', ' ');
    m_streamInfo.dwScale = 1;
    m_streamInfo.dwRate = m_framesPerSecond;
    m_streamInfo.dwSuggestedBufferSize = m_frameBufferSize;
    m_streamInfo.dwQuality = static_cast<DWORD>(-1);
    ::SetRect(&m_streamInfo.rcFrame, 0, 0, m_format.biWidth, m_format.biHeight);
    ::wcscpy_s(m_streamInfo.szName, L"Video Stream");
    hr = ::AVIFileCreateStreamW(m_file, &m_stream, &m_streamInfo);
    if (FAILED(hr))
        return hr;

    m_compressOptions = AVICOMPRESSOPTIONS();
    m_compressOptions.fccHandler = m_streamInfo.fccHandler;
    m_compressOptions.dwFlags = AVICOMPRESSF_VALID;
    hr = ::AVIMakeCompressedStream(&m_compressedStream, m_stream, &m_compressOptions, nullptr);
    if (FAILED(hr))
        return hr;
    return ::AVIStreamSetFormat(m_compressedStream, 0, &m_format, sizeof(m_format));
}

void CAviWriter::ReleaseAll()
{
    if (m_memoryDC)
        ::DeleteDC(m_memoryDC);
    m_memoryDC = nullptr;
    if (m_compressedStream)
        ::AVIStreamRelease(m_compressedStream);
    m_compressedStream = nullptr;
    if (m_stream)
        ::AVIStreamRelease(m_stream);
    m_stream = nullptr;
    if (m_file)
        ::AVIFileRelease(m_file);
    m_file = nullptr;
    if (m_frameBuffer)
        ::HeapFree(m_heap, HEAP_NO_SERIALIZE, m_frameBuffer);
    m_frameBuffer = nullptr;
    if (m_heap)
        ::HeapDestroy(m_heap);
    m_heap = nullptr;
}

HRESULT CAviWriter::CreateOutputFile() const
{
    const HANDLE file = ::CreateFileW(m_path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return HRESULT_FROM_WIN32(::GetLastError());
    ::CloseHandle(file);
    return S_OK;
}

bool CAviWriter::QueryFormat(HBITMAP bitmap, FrameHeader& info) const
{
    info = FrameHeader();
    info.header.biSize = sizeof(info.header);
    if (!bitmap ||
        !::GetDIBits(m_memoryDC, bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return false;
    info.header.biCompression = BI_RGB;
    info.header.biHeight = std::abs(info.header.biHeight);
    return info.header.biWidth > 0 && info.header.biHeight > 0;
}

ULONGLONG CAviWriter::ImageSize(const BITMAPINFOHEADER& header)
{
    const ULONGLONG stride = ((static_cast<ULONGLONG>(header.biWidth) * header.biBitCount + 31) / 32) * 4;
    return stride * static_cast<ULONGLONG>(header.biHeight);
}
