#include "capture/destinations/CImageBase.h"

#include "Info/InfoGlobalFunctions.h"
#include "capture/destinations/CaptureTables.h"
#include "common/CDibToolkit.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"

CImageBase::CImageBase() = default;

CImageBase::~CImageBase() = default;

CString CImageBase::GetErrorText() const
{
    if (m_errorText.IsEmpty())
        return L"Cannot process the image and the operation is aborted. Unknown "
               L"error message.";
    return m_errorText;
}

HBITMAP CImageBase::GetBitmap() const
{
    return m_image ? static_cast<HBITMAP>(*m_image) : nullptr;
}

bool CImageBase::CanExecute()
{
    m_errorText.Empty();
    return HasPicture();
}

bool CImageBase::HasPicture() const
{
    return GetBitmap() != nullptr;
}

DWORD CImageBase::GetPictureByteSize() const
{
    if (!HasPicture())
        return 0;
    ULONGLONG bits = static_cast<ULONGLONG>(m_image->GetWidth()) * m_image->GetHeight() * m_image->GetBPP();
    ULONGLONG bytes = (bits + 7) / 8;
    return bytes > MAXDWORD ? MAXDWORD : static_cast<DWORD>(bytes);
}

DestinationResult CImageBase::GrabRegion(HRGN region)
{
    m_errorText.Empty();
    return AttachBitmap(CDibToolkit::CopyScreenRegion(region));
}

DestinationResult CImageBase::GrabRect(const RECT& rect)
{
    m_errorText.Empty();
    if (IsRectEmpty(&rect))
        return DR_FAILED;
    return AttachBitmap(CDibToolkit::CopyScreenRect(rect));
}

DestinationResult CImageBase::GrabWindow(HWND window)
{
    m_errorText.Empty();
    if (window == nullptr)
        return DR_FAILED;
    CDibToolkit dib;
    if (!dib.CaptureWindow(window, CDibToolkit::kWindowRect))
        return DR_FAILED;
    HPALETTE palette = CDibToolkit::GetSystemPalette();
    HBITMAP bitmap = dib.ToBitmap(palette);
    if (palette)
        DeleteObject(palette);
    return AttachBitmap(bitmap);
}

DestinationResult CImageBase::UsePicture(const std::shared_ptr<const CImage>& picture, const CString& grabErrorText)
{
    m_errorText.Empty();
    if (!picture)
    {
        m_errorText = grabErrorText;
        return DR_FAILED;
    }
    m_image = picture;
    return DR_DONE;
}

DestinationResult CImageBase::AttachBitmap(HBITMAP bitmap)
{
    if (bitmap == nullptr)
        return DR_FAILED;
    std::unique_ptr<CImage> image(new CImage);
    if (!image->Attach(bitmap))
    {
        m_errorText = L"There was a failure attaching the image handle to the "
                      L"image object. Possible cause: the "
                      L"image handle is invalid.";
        return DR_FAILED;
    }
    m_image = std::move(image);
    return DR_DONE;
}

bool CImageBase::SaveImage(CString& path, const CString& folder, EnumFileType type)
{
    if (path.IsEmpty())
        path = MakeDefaultImagePath(folder, type);

    // A folder that does not exist yet (a fresh install's temporary folders) is
    // made first; when that fails its own text says why.
    CString name, extension, pathFolder;
    SplitPath(path, name, extension, pathFolder);
    if (!pathFolder.IsEmpty() && GetFileAttributesW(pathFolder) == INVALID_FILE_ATTRIBUTES &&
        !CreateDirectoryPath(pathFolder, m_errorText))
        return false;

    HRESULT hr = E_POINTER;
    if (HasPicture() && type == FT_DIB)
    {
        CDibToolkit dib;
        SetLastError(ERROR_SUCCESS);
        bool saved = dib.FromBitmap(GetBitmap(), nullptr) != nullptr && dib.SaveFile(path);
        DWORD code = GetLastError();
        hr = saved ? S_OK : (code ? HRESULT_FROM_WIN32(code) : E_FAIL);
    }
    else if (HasPicture())
    {
        hr = m_image->Save(path, GetImageEncoderClsid(type));
    }
    if (SUCCEEDED(hr))
        return true;
    m_errorText.Format(L"Failed to save the image file '%s'. System error: %s", path.GetString(),
                       GetHResultText(hr).GetString());
    return false;
}

CString CImageBase::MakeDefaultImagePath(const CString& folder, EnumFileType type) const
{
    bool hasDrive = folder.GetLength() >= 2 && folder[1] == L':';
    CString target = hasDrive ? folder : InfoGlobalFunctions::GetScImageDirectory() + folder;
    return MakeUniqueFileName(target, L"VellImage", type, OFK_IMAGE);
}

CString CImageBase::PrepareTargetFile(const CString& folder, const CString& name, EnumFileType type, bool overwrite)
{
    CString path = folder;
    AddTrailingSlash(path);
    path += name + GetImageFileExtension(type);

    // The room asked for is the picture's size in bytes; the check also creates a
    // missing folder.
    if (!CheckFreeDiskSpace(path, GetPictureByteSize(), m_errorText))
        return CString();
    if (!FileExists(path))
        return path;
    if (!overwrite)
    {
        CString baseName, extension, fileFolder;
        SplitPath(path, baseName, extension, fileFolder);
        return MakeUniqueFileName(fileFolder, name, type, OFK_IMAGE);
    }
    if (!DeleteFileW(path))
    {
        m_errorText.Format(L"The existing file, '%s', cannot be deleted. System error: %s", path.GetString(),
                           GetLastErrorText().GetString());
        return CString();
    }
    return path;
}
