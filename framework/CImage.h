#pragma once
// CImage: a picture held as a bitmap handle, saved to image files through the
// GDI+ encoders. Failures are reported by results (false or a failure HRESULT),
// never by exceptions.
#include <windows.h>

class CImage
{
public:
    CImage() = default;
    CImage(const CImage&) = delete;
    CImage& operator=(const CImage&) = delete;
    ~CImage();

    // Takes ownership of the bitmap (any picture held before is destroyed) and
    // reads its width, height and depth. False, holding nothing, when the handle
    // is not a bitmap.
    bool Attach(HBITMAP bitmap);
    // Gives up the bitmap without deleting it; null when empty.
    HBITMAP Detach();
    // Deletes the held bitmap.
    void Destroy();

    bool IsNull() const { return m_bitmap == nullptr; }
    operator HBITMAP() const { return m_bitmap; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    int GetBPP() const { return m_bitsPerPixel; }

    // Writes the picture to a file with the encoder of the GDI+ image format
    // (e.g. ImageFormatPNG, {B96B3CAF-0728-11D3-9D7B-0000F81EF32E}); GUID_NULL
    // chooses the encoder by the file name's extension. S_OK when the file was
    // written; E_POINTER when empty, E_INVALIDARG when no encoder fits, a Win32
    // code (HRESULT_FROM_WIN32) when the file cannot be written, E_FAIL for any
    // other GDI+ failure.
    HRESULT Save(const wchar_t* fileName, REFGUID fileFormat = GUID_NULL) const;
    // Reads a picture file of any format GDI+ decodes (BMP, DIB, PNG, JPEG, GIF) into a
    // bitmap; transparent parts become white. S_OK, or a failure HRESULT holding nothing.
    HRESULT Load(const wchar_t* fileName);

private:
    HBITMAP m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
};

// Starts GDI+ for the process the first time it is called; later calls only
// report the first start's outcome. CImage::Save calls it itself.
bool AppGdiplusInit();
