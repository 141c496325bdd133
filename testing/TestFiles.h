#pragma once
// Small file queries the test programs share.
#include "framework/CString.h"

// How many files and folders match the pattern (e.g. "C:\pictures\shot*.bmp").
inline int CountFiles(const CString& pattern)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    int count = 0;
    do
        ++count;
    while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}
