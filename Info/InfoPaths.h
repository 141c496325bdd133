#pragma once
// Path helpers the records share (not exported).
#include "framework/CString.h"

namespace InfoPaths
{
// Removes all trailing backslashes, then all trailing slashes.
void RemoveTrailingSeparators(CString& path);
// Appends a backslash (or a slash) unless the text is empty or ends with either.
void AppendSeparator(CString& path, bool slash = false);
// The folder with its trailing separators replaced by one backslash (nothing when empty),
// then the base name and the extension.
CString JoinFileName(const CString& folder, const CString& baseName, const CString& extension);
} // namespace InfoPaths
