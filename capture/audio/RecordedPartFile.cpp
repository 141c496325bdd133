#include "capture/audio/RecordedPartFile.h"

#include <windows.h>

#include <algorithm>

namespace
{
bool Exists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

CString NextFreeNumberedName(const CString& path)
{
    if (!Exists(path))
        return CString();
    const int slash = (std::max)(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    int dot = path.ReverseFind(L'.');
    if (dot <= slash)
        dot = path.GetLength();
    const CString stem = path.Left(dot);
    const CString extension = path.Mid(dot);
    for (int number = 1;; ++number)
    {
        CString candidate;
        candidate.Format(L"%s%d%s", stem.GetString(), number, extension.GetString());
        if (!Exists(candidate))
            return candidate;
    }
}
