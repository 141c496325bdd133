#pragma once
// The name under which a recording keeps what it wrote before its device went away.
#include "framework/CString.h"

// folder\name<n>.ext beside path, with the first n = 1, 2, ... that names no file;
// empty when path holds no file.
CString NextFreeNumberedName(const CString& path);
