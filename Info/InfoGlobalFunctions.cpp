#include "Info/InfoGlobalFunctions.h"

#include <shlobj.h>
#include <algorithm>

namespace
{
CString ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    CString folder(path);
    int slash = folder.ReverseFind(L'\\');
    return slash < 0 ? CString() : folder.Left(slash);
}

CString CaptureFolder(const wchar_t* name)
{
    return ProgramFolder() + L"\\" + name;
}
} // namespace

CString InfoGlobalFunctions::GetFileExtension(EnumFileType type)
{
    switch (type)
    {
    case FT_DIB:
        return L".dib";
    case FT_JPG:
        return L".jpg";
    case FT_GIF:
        return L".gif";
    case FT_PNG:
        return L".png";
    default:
        return L".bmp";
    }
}

CString InfoGlobalFunctions::GetAudioFileExtension(EnumAudioFileType)
{
    return L".wav";
}

CString InfoGlobalFunctions::GetVideoFileExtension(EnumVideoFileType)
{
    return L".avi";
}

CString InfoGlobalFunctions::GetPresentationFileExtension(EnumPresentationFileType)
{
    return L".avi";
}

CString InfoGlobalFunctions::GetScImageDirectory()
{
    return CaptureFolder(L"Screen Captures");
}
CString InfoGlobalFunctions::GetCBTDirectory()
{
    return CaptureFolder(L"Training Captures");
}
CString InfoGlobalFunctions::GetAudioDirectory()
{
    return CaptureFolder(L"Audio Captures");
}
CString InfoGlobalFunctions::GetVideoDirectory()
{
    return CaptureFolder(L"Video Captures");
}
CString InfoGlobalFunctions::GetRegistryDirectory()
{
    return CaptureFolder(L"Registry Captures");
}
CString InfoGlobalFunctions::GetPresentationDirectory()
{
    return CaptureFolder(L"Movie Captures");
}

CString InfoGlobalFunctions::GetMsPaintFullPath()
{
    wchar_t system[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(nullptr, system, CSIDL_SYSTEM, FALSE))
        return CString();
    return CString(system) + L"\\MsPaint.exe";
}

void InfoGlobalFunctions::SplitFullPath(const CString& path, CString& fileName, CString& extension, CString& folder)
{
    // The run-time splitter's rules: an optional "X:" drive, the folder up to the last
    // separator, and the extension from the last dot of what follows.
    CString limited = path.Left(MAX_PATH);
    int separator = -1;
    for (int i = limited.GetLength() - 1; i >= 0 && separator < 0; --i)
        if (limited[i] == L'\\' || limited[i] == L'/')
            separator = i;
    int driveLength = (limited.GetLength() >= 2 && limited[1] == L':') ? 2 : 0;
    int nameStart = std::max(separator + 1, driveLength);
    folder = limited.Left(nameStart);
    CString rest = limited.Mid(nameStart);
    int dot = rest.ReverseFind(L'.');
    fileName = dot < 0 ? rest : rest.Left(dot);
    extension = dot < 0 ? CString() : rest.Mid(dot);
}
