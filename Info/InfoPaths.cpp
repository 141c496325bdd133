#include "Info/InfoPaths.h"

namespace
{
bool EndsWithSeparator(const CString& path)
{
    if (path.IsEmpty())
        return false;
    wchar_t last = path[path.GetLength() - 1];
    return last == L'\\' || last == L'/';
}
} // namespace

void InfoPaths::RemoveTrailingSeparators(CString& path)
{
    if (!EndsWithSeparator(path))
        return;
    path.TrimRight(L"\\");
    path.TrimRight(L"/");
}

void InfoPaths::AppendSeparator(CString& path, bool slash)
{
    if (!path.IsEmpty() && !EndsWithSeparator(path))
        path += slash ? L'/' : L'\\';
}

CString InfoPaths::JoinFileName(const CString& folder, const CString& baseName, const CString& extension)
{
    CString path(folder);
    RemoveTrailingSeparators(path);
    AppendSeparator(path);
    return path + baseName + extension;
}
