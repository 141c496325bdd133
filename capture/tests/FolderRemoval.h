#pragma once
// Removes a folder with everything in it, or a file of that name, so that a test
// starts as a fresh installation would.
#include "framework/CString.h"
#include "testing/RemoveTestTree.h"

inline void RemoveFolderTree(const CString& path)
{
    RemoveTestTree(path);
}
