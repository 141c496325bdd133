#pragma once
// File extensions of the capture file types and the capture folders beside the
// running program.
#include "Info/InfoApi.h"
#include "Info/InfoEnums.h"
#include "framework/CString.h"

namespace InfoGlobalFunctions
{
INFO_API CString GetFileExtension(EnumFileType type);
INFO_API CString GetAudioFileExtension(EnumAudioFileType type);
INFO_API CString GetVideoFileExtension(EnumVideoFileType type);
INFO_API CString GetPresentationFileExtension(EnumPresentationFileType type);

INFO_API CString GetScImageDirectory();
INFO_API CString GetCBTDirectory();
INFO_API CString GetAudioDirectory();
INFO_API CString GetVideoDirectory();
INFO_API CString GetRegistryDirectory();
INFO_API CString GetPresentationDirectory();

// The system folder's paint program; empty when the system folder cannot be had.
INFO_API CString GetMsPaintFullPath();

// Splits the first 260 characters of a path into file name, extension (with its dot)
// and drive with folder.
INFO_API void SplitFullPath(const CString& path, CString& fileName, CString& extension, CString& folder);
} // namespace InfoGlobalFunctions
