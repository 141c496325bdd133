#include "capture/destinations/CaptureTables.h"

#include "capture/destinations/DestinationTable.h"
#include "common/CRegistry.h"
#include "common/DirectXVersion.h"
#include "common/PathHelpers.h"

#include <initializer_list>

namespace
{
// The image-file-format identifiers of the image codec library, and the one of
// a DIB.
const GUID kFormatBmp = {0xB96B3CAB, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID kFormatJpeg = {0xB96B3CAE, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID kFormatGif = {0xB96B3CB0, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID kFormatPng = {0xB96B3CAF, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
const GUID kFormatDib = {0x4BBB001F, 0x1CBD, 0x4F93, {0x8B, 0x2C, 0x0F, 0x1F, 0xDA, 0xB5, 0x7D, 0x4F}};

struct ImageType
{
    const wchar_t* extension;
    const wchar_t* shortName;
    const wchar_t* longName;
    const GUID* format;
};

const ImageType kImageTypes[] = {
    {L".bmp", L"BMP", L"Windows Bitmap (BMP)", &kFormatBmp},
    {L".dib", L"DIB", L"Device Independent Bitmap (DIB)", &kFormatDib},
    {L".jpg", L"JPG", L"Joint Photographic Experts Group (JPG)", &kFormatJpeg},
    {L".gif", L"GIF", L"Graphics Interchange Format (GIF)", &kFormatGif},
    {L".png", L"PNG", L"Portable Network Graphics (PNG)", &kFormatPng},
};

const wchar_t* const kSelectionTypes[] = {L"Free Hand", L"Polygon",       L"Rectangle", L"Ellipse",
                                          L"Window",    L"Active Window", L"Desktop"};

const wchar_t* const kDefaultBaseNames[] = {L"VellImage", L"VellTraining", L"VellAudio",
                                            L"VellVideo", L"VellPres",     L"VellRegistry"};

const wchar_t* const kRecordingGroups[] = {L"Training Capture", L"Audio Capture", L"Video Capture", L"Movie Capture"};

template <class T, size_t N> const T* Lookup(const T (&table)[N], int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? &table[index] : nullptr;
}

bool InRange(int type, int first, int end)
{
    return first <= type && type < end;
}

// The lowered extension of the path, with its dot.
CString LowerExtension(const CString& path)
{
    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    return extension.MakeLower();
}

bool IsOneOf(const CString& text, std::initializer_list<const wchar_t*> choices)
{
    for (const wchar_t* choice : choices)
        if (text == choice)
            return true;
    return false;
}

CString ActivePageKey(bool propertiesSheet)
{
    return propertiesSheet ? SendParam::SettingsKey(L"ActivePage") : SendParam::SettingsKey(L"ActivePageSetts");
}
} // namespace

bool IsCaptureGroupType(int type)
{
    return InRange(type, 1, 7);
}
bool IsScreenDestinationType(int type)
{
    return InRange(type, 7, 18);
}
bool IsTrainingType(int type)
{
    return InRange(type, 18, 20);
}
bool IsAudioType(int type)
{
    return InRange(type, 20, 22);
}
bool IsVideoType(int type)
{
    return InRange(type, 22, 24);
}
bool IsMovieType(int type)
{
    return InRange(type, 24, 26);
}

CString GetImageFileExtension(int type)
{
    const ImageType* found = Lookup(kImageTypes, type);
    return found ? found->extension : L".bmp";
}

CString GetImageTypeName(int type, bool shortName)
{
    const ImageType* found = Lookup(kImageTypes, type);
    if (!found)
        return CString();
    return shortName ? found->shortName : found->longName;
}

CString GetAudioFileExtension(int)
{
    return L".wav";
}

CString GetAudioTypeName(int type, bool shortName)
{
    if (type != AFT_WAV)
        return CString();
    return shortName ? L"WAV" : L"Waveform-Audio (WAV)";
}

CString GetVideoFileExtension(int)
{
    return L".avi";
}

CString GetVideoTypeName(int type, bool shortName)
{
    if (type != VFT_AVI)
        return CString();
    return shortName ? L"AVI" : L"Microsoft Audio-Video (AVI)";
}

CString GetSelectionTypeName(int type)
{
    const wchar_t* const* found = Lookup(kSelectionTypes, type);
    return found ? *found : L"";
}

CString GetOutputFileExtension(int fileType, int kind)
{
    switch (kind)
    {
    case OFK_IMAGE:
        return GetImageFileExtension(fileType);
    case OFK_TRAINING:
        return L".vtf";
    case OFK_AUDIO:
        return GetAudioFileExtension(fileType);
    case OFK_VIDEO:
    case OFK_MOVIE:
        return GetVideoFileExtension(fileType);
    case OFK_REGISTRY:
        return L".vrf";
    default:
        return CString();
    }
}

CString GetDefaultBaseName(int kind)
{
    const wchar_t* const* found = Lookup(kDefaultBaseNames, kind - OFK_IMAGE);
    return found ? *found : L"";
}

GUID GetImageEncoderClsid(int type)
{
    const ImageType* found = Lookup(kImageTypes, type);
    return found ? *found->format : GUID_NULL;
}

CString GetCaptureTypeFullName(int type)
{
    if (const DestinationEntry* destination = FindDestination(type))
        return CString(L"Screen Capture - ") + destination->name;
    if (InRange(type, SP_CBT_RECORDING, SP_REGISTRY_RECORDING))
    {
        int offset = type - SP_CBT_RECORDING;
        return CString(kRecordingGroups[offset / 2]) + L" - " + (offset % 2 == 0 ? L"Recording" : L"Playing");
    }
    return CString();
}

bool IsAudioFileExtension(const CString& path, bool wavOnly)
{
    CString extension = LowerExtension(path);
    if (wavOnly)
        return extension == L".wav";
    return IsOneOf(extension, {L".wav", L".mpa", L".mp2", L".mp3", L".au", L".aif", L".aiff", L".snd"});
}

bool IsVideoFileExtension(const CString& path, bool aviOnly)
{
    CString extension = LowerExtension(path);
    if (aviOnly)
        return extension == L".avi";
    return IsOneOf(extension, {L".avi", L".gt", L".mov", L".mpg", L".mpeg", L".m1v"});
}

CString MakeUniqueFileName(const CString& folder, const CString& baseName, int fileType, int kind)
{
    CString base = baseName.IsEmpty() ? GetDefaultBaseName(kind) : baseName;
    CString name, extension, baseFolder;
    SplitPath(base, name, extension, baseFolder);
    if (!name.IsEmpty())
        base = name;

    CString directory = folder;
    AddTrailingSlash(directory);
    CString fileExtension = GetOutputFileExtension(fileType, kind);

    CString candidate = directory + base + fileExtension;
    for (int number = 1; FileExists(candidate); ++number)
    {
        CString numbered;
        numbered.Format(L"%s%d", base.GetString(), number);
        candidate = directory + numbered + fileExtension;
    }
    return candidate;
}

bool SaveActivePageIndex(int recordType, int pageIndex, bool propertiesSheet)
{
    CString name, error;
    name.Format(L"%d", recordType);
    CRegistry registry;
    return registry.WriteDWORD(HKEY_CURRENT_USER, ActivePageKey(propertiesSheet), name, static_cast<DWORD>(pageIndex),
                               true, error);
}

int LoadActivePageIndex(int recordType, bool propertiesSheet)
{
    CString name, error;
    name.Format(L"%d", recordType);
    CRegistry registry;
    DWORD value = 0;
    return registry.ReadDWORD(HKEY_CURRENT_USER, ActivePageKey(propertiesSheet), name, &value, error)
               ? static_cast<int>(value)
               : 0;
}

bool IsMapiPresent()
{
    static bool present = false;
    if (!present)
    {
        wchar_t found[MAX_PATH];
        present = GetProfileIntW(L"MAIL", L"MAPI", 0) != 0 &&
                  SearchPathW(nullptr, L"MAPI32.DLL", nullptr, MAX_PATH, found, nullptr) != 0;
    }
    return present;
}

bool IsDirectXVersionSupported()
{
    DWORD major = 0, minor = 0;
    wchar_t letter = 0;
    return SUCCEEDED(GetDirectXVersion(major, minor, letter)) && major >= 9;
}

void DeleteSendParam(SendParam* record, int recordType)
{
    if (record != nullptr && InRange(recordType, SP_SC_FILE, SP_REGISTRY_RECORDING))
        delete record;
}

CString GetLogDirectory()
{
    return GetModuleDirectory() + L"\\Log";
}
