#pragma once
// Removes a folder with everything in it, or a file of that name, so that a test
// starts as a fresh installation would.
#include "framework/CString.h"
#include <shellapi.h>
#include <string>

inline void RemoveFolderTree(const CString& path)
{
    // The shell operation wants a list ending in two nulls.
    std::wstring from = path.str() + L'\0';
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}
