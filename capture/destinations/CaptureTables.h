#pragma once
// The capture engine's vocabulary: record-type ranges, the file types of each
// output kind with their extensions and names, selection types, default base
// names, display names of record types, unique output file names, the
// remembered property page and a few process-wide checks made at start-up.
#include "Info/InfoEnums.h"
#include "Info/SendParam.h"
#include "framework/CString.h"
#include <windows.h>

// The kind of file a capture writes, which gives its default base name and
// extension.
enum OutputFileKind : int
{
    OFK_IMAGE = 1,
    OFK_TRAINING = 2,
    OFK_AUDIO = 3,
    OFK_VIDEO = 4,
    OFK_MOVIE = 5,
    OFK_REGISTRY = 6,
};

// Record-type ranges (half-open, e.g. 7 <= type < 18).
bool IsCaptureGroupType(int type);      // 1..6
bool IsScreenDestinationType(int type); // 7..17
bool IsTrainingType(int type);          // 18..19
bool IsAudioType(int type);             // 20..21
bool IsVideoType(int type);             // 22..23
bool IsMovieType(int type);             // 24..25

// ".bmp", ".dib", ".jpg", ".gif", ".png"; ".bmp" for any other type.
CString GetImageFileExtension(int type);
// "BMP" or "Windows Bitmap (BMP)" and so on; empty for an unknown type.
CString GetImageTypeName(int type, bool shortName);
// ".wav" for any type; "WAV" / "Waveform-Audio (WAV)" for type 0, else empty.
CString GetAudioFileExtension(int type);
CString GetAudioTypeName(int type, bool shortName);
// ".avi" for any type; "AVI" / "Microsoft Audio-Video (AVI)" for type 0, else
// empty.
CString GetVideoFileExtension(int type);
CString GetVideoTypeName(int type, bool shortName);
// "Free Hand", "Polygon", "Rectangle", "Ellipse", "Window", "Active Window",
// "Desktop"; empty for others.
CString GetSelectionTypeName(int type);
// The extension of a file type of the kind; empty for an unknown kind.
CString GetOutputFileExtension(int fileType, int kind);
// "VellImage", "VellTraining", "VellAudio", "VellVideo", "VellPres",
// "VellRegistry"; empty for an unknown kind.
CString GetDefaultBaseName(int kind);
// The GDI+ image-file-format identifier of an image type (BMP, JPEG, GIF, PNG;
// type 1 has the DIB identifier, written by the DIB toolkit); GUID_NULL for an
// unknown type.
GUID GetImageEncoderClsid(int type);
// group + " - " + item, e.g. "Screen Capture - Web Server" for 17; empty for
// types outside 7..25.
CString GetCaptureTypeFullName(int type);

// Compared ignoring case. The WAV-only / AVI-only flag accepts only ".wav" /
// ".avi".
bool IsAudioFileExtension(const CString& path, bool wavOnly);
bool IsVideoFileExtension(const CString& path, bool aviOnly);

// folder + base + extension, or folder + base + n + extension with the first n
// = 1, 2,
// ... that names no existing file. An empty base name takes the kind's default;
// only the file-name part of the base is used. The folder gets a "\" unless it
// is empty or already ends with "\" or "/".
CString MakeUniqueFileName(const CString& folder, const CString& baseName, int fileType, int kind);

// The property page last shown for a record type, under HKEY_CURRENT_USER
// "...\ActivePage" (property sheets) or "...\ActivePageSetts" (settings
// sheets). Load gives 0 when nothing is stored.
bool SaveActivePageIndex(int recordType, int pageIndex, bool propertiesSheet);
int LoadActivePageIndex(int recordType, bool propertiesSheet);

// True when the "MAPI" entry of the profile section "MAIL" is on and MAPI32.DLL
// is on the search path; a true answer is remembered for the process.
bool IsMapiPresent();
// True when the installed DirectX is version 9 or higher.
bool IsDirectXVersionSupported();

// Deletes a record of type 7..25; records of other types and null are left
// alone.
void DeleteSendParam(SendParam* record, int recordType);

// The program's folder + "\Log".
CString GetLogDirectory();
