#include "framework/CImage.h"

#include <cwctype>
#include <gdiplus.h>
#include <memory>
#include <objidl.h>
#include <shlwapi.h>
#include <string>
#include <vector>

namespace
{
HRESULT StatusToHResult(Gdiplus::Status status)
{
    switch (status)
    {
    case Gdiplus::Ok:
        return S_OK;
    case Gdiplus::OutOfMemory:
        return E_OUTOFMEMORY;
    case Gdiplus::InvalidParameter:
    case Gdiplus::UnknownImageFormat:
        return E_INVALIDARG;
    case Gdiplus::Win32Error: {
        DWORD code = GetLastError();
        return code ? HRESULT_FROM_WIN32(code) : E_FAIL;
    }
    default:
        return E_FAIL;
    }
}

std::wstring Upper(std::wstring text)
{
    for (wchar_t& ch : text)
        ch = static_cast<wchar_t>(towupper(ch));
    return text;
}

// True when the encoder's extension list (e.g. "*.BMP;*.DIB;*.RLE") holds the
// extension (with its dot), ignoring case.
bool ListsExtension(const wchar_t* patterns, const std::wstring& extension)
{
    std::wstring list = Upper(patterns ? patterns : L"") + L";";
    return list.find(L"*" + Upper(extension) + L";") != std::wstring::npos;
}

// The encoder of the format, or of the file name's extension when the format is
// null, and the format it writes.
bool FindEncoder(const wchar_t* fileName, REFGUID fileFormat, CLSID& encoder, GUID& format)
{
    UINT count = 0, size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;

    const wchar_t* dot = wcsrchr(fileName, L'.');
    const wchar_t* separator = wcspbrk(dot ? dot : L"", L"\\/");
    std::wstring extension = dot && !separator ? dot : L"";
    for (UINT i = 0; i < count; ++i)
    {
        bool byFormat = !IsEqualGUID(fileFormat, GUID_NULL) && IsEqualGUID(codecs[i].FormatID, fileFormat);
        bool byName = IsEqualGUID(fileFormat, GUID_NULL) && !extension.empty() &&
                      ListsExtension(codecs[i].FilenameExtension, extension);
        if (byFormat || byName)
        {
            encoder = codecs[i].Clsid;
            format = codecs[i].FormatID;
            return true;
        }
    }
    return false;
}

// The palette of ToPaletteIndex: the 216 colours of the 6 x 6 x 6 colour cube,
// then 40 greys.
const int kCubeColours = 216;
const int kGreys = 40;

BYTE ToPaletteIndex(BYTE r, BYTE g, BYTE b)
{
    if (r == g && g == b)
        return static_cast<BYTE>(kCubeColours + (r * (kGreys - 1) + 127) / 255);
    auto level = [](BYTE v) { return (v + 25) / 51; };
    return static_cast<BYTE>(level(r) * 36 + level(g) * 6 + level(b));
}

Gdiplus::ARGB PaletteColour(int index)
{
    if (index < kCubeColours)
        return Gdiplus::Color::MakeARGB(255, static_cast<BYTE>(index / 36 * 51), static_cast<BYTE>(index / 6 % 6 * 51),
                                        static_cast<BYTE>(index % 6 * 51));
    BYTE grey = static_cast<BYTE>(((index - kCubeColours) * 255 + (kGreys - 1) / 2) / (kGreys - 1));
    return Gdiplus::Color::MakeARGB(255, grey, grey, grey);
}

// An 8-bit copy of the bitmap on a fixed palette. A GIF holds at most 256
// colours; not every GIF encoder reduces a deeper picture itself (some write an
// empty image), so the picture is reduced here, as a halftone palette would.
std::unique_ptr<Gdiplus::Bitmap> ToIndexedBitmap(HBITMAP bitmap, int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return nullptr;

    std::unique_ptr<Gdiplus::Bitmap> indexed(new Gdiplus::Bitmap(width, height, PixelFormat8bppIndexed));
    std::vector<BYTE> paletteBuffer(sizeof(Gdiplus::ColorPalette) + 255 * sizeof(Gdiplus::ARGB));
    auto* palette = reinterpret_cast<Gdiplus::ColorPalette*>(paletteBuffer.data());
    palette->Flags = 0;
    palette->Count = 256;
    for (int i = 0; i < 256; ++i)
        palette->Entries[i] = PaletteColour(i);
    if (indexed->GetLastStatus() != Gdiplus::Ok || indexed->SetPalette(palette) != Gdiplus::Ok)
        return nullptr;

    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data;
    if (indexed->LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed, &data) != Gdiplus::Ok)
        return nullptr;
    for (int y = 0; y < height; ++y)
    {
        BYTE* row = static_cast<BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        const RGBQUAD* source = &pixels[static_cast<size_t>(y) * width];
        for (int x = 0; x < width; ++x)
            row[x] = ToPaletteIndex(source[x].rgbRed, source[x].rgbGreen, source[x].rgbBlue);
    }
    return indexed->UnlockBits(&data) == Gdiplus::Ok ? std::move(indexed) : nullptr;
}
} // namespace

bool AppGdiplusInit()
{
    static const bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

CImage::~CImage()
{
    Destroy();
}

bool CImage::Attach(HBITMAP bitmap)
{
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(info), &info) != sizeof(info))
        return false;
    Destroy();
    m_bitmap = bitmap;
    m_width = info.bmWidth;
    m_height = info.bmHeight;
    m_bitsPerPixel = info.bmBitsPixel * info.bmPlanes;
    return true;
}

HBITMAP CImage::Detach()
{
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    m_width = m_height = m_bitsPerPixel = 0;
    return bitmap;
}

void CImage::Destroy()
{
    HBITMAP bitmap = Detach();
    if (bitmap)
        DeleteObject(bitmap);
}

HRESULT CImage::Save(const wchar_t* fileName, REFGUID fileFormat) const
{
    if (m_bitmap == nullptr)
        return E_POINTER;
    if (fileName == nullptr || *fileName == 0)
        return E_INVALIDARG;
    if (!AppGdiplusInit())
        return E_FAIL;
    CLSID encoder;
    GUID format;
    if (!FindEncoder(fileName, fileFormat, encoder, format))
        return E_INVALIDARG;

    std::unique_ptr<Gdiplus::Bitmap> picture;
    if (IsEqualGUID(format, Gdiplus::ImageFormatGIF))
        picture = ToIndexedBitmap(m_bitmap, m_width, m_height);
    else
        picture.reset(new Gdiplus::Bitmap(m_bitmap, nullptr));
    if (!picture)
        return E_FAIL;
    HRESULT hr = StatusToHResult(picture->GetLastStatus());
    if (FAILED(hr))
        return hr;

    // Writing through a stream of our own gives the file system's own failure
    // code (access denied, missing folder) rather than a general GDI+ status.
    IStream* stream = nullptr;
    hr = SHCreateStreamOnFileEx(fileName, STGM_CREATE | STGM_WRITE | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL, TRUE,
                                nullptr, &stream);
    if (FAILED(hr))
        return hr;
    hr = StatusToHResult(picture->Save(stream, &encoder, nullptr));
    if (SUCCEEDED(hr))
        hr = stream->Commit(STGC_DEFAULT);
    stream->Release();
    if (FAILED(hr))
        DeleteFileW(fileName);
    return hr;
}

HRESULT CImage::Load(const wchar_t* fileName)
{
    Destroy();
    if (!AppGdiplusInit())
        return E_FAIL;
    std::unique_ptr<Gdiplus::Bitmap> picture(Gdiplus::Bitmap::FromFile(fileName));
    if (!picture)
        return E_OUTOFMEMORY;
    if (picture->GetLastStatus() != Gdiplus::Ok)
        return StatusToHResult(picture->GetLastStatus());
    HBITMAP bitmap = nullptr;
    Gdiplus::Status status = picture->GetHBITMAP(Gdiplus::Color(255, 255, 255), &bitmap);
    if (status != Gdiplus::Ok)
        return StatusToHResult(status);
    return Attach(bitmap) ? S_OK : E_FAIL;
}
