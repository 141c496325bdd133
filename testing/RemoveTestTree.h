#pragma once
// Deletes a folder (or file) with everything in it, for tests that need a fresh start.
// Tests run under Wine, where Z:\ is the machine's own root: a path that is empty,
// relative or outside the test areas (the temporary folder and the programs' own folder)
// is refused, so a test that lost track of its folder can never delete more than its own.
#include "framework/CString.h"
#include <shellapi.h>
#include <string>

inline bool IsBelow(const CString& path, const CString& folder)
{
    return folder.GetLength() > 3 && path.GetLength() > folder.GetLength() + 1 &&
           path.Left(folder.GetLength()).CompareNoCase(folder) == 0 &&
           (path[folder.GetLength()] == L'\\' || folder[folder.GetLength() - 1] == L'\\');
}

inline bool IsTestArea(const CString& path)
{
    if (path.Find(L"..") >= 0 || path.FindOneOf(L"*?") >= 0)
        return false;
    wchar_t temp[MAX_PATH] = {}, program[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    CString programFolder(program);
    programFolder = programFolder.Left(programFolder.ReverseFind(L'\\'));
    CString tempFolder(temp);
    tempFolder.TrimRight(L"\\");
    return IsBelow(path, tempFolder) || IsBelow(path, programFolder) || IsBelow(path, L"Z:\\tmp");
}

// False (and nothing deleted) for a path outside the test areas.
inline bool RemoveTestTree(const CString& path)
{
    if (!IsTestArea(path))
        return false;
    // The shell operation wants a list ending in two nulls.
    std::wstring from = path.str() + L'\0';
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    return SHFileOperationW(&operation) == 0;
}
