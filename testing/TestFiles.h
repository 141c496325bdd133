#pragma once
// Small file queries and whole-file reads and writes that the test programs share.
#include "framework/CString.h"
#include <string>
#include <vector>

// Whether a file or folder is at the path.
inline bool Exists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

inline bool StartsWith(const std::string& bytes, const std::string& signature)
{
    return bytes.compare(0, signature.size(), signature) == 0;
}

// How many files and folders match the pattern (e.g. "C:\pictures\shot*.bmp").
int CountFiles(const CString& pattern);

// The file's bytes (others may keep it open for reading and writing); false when it
// cannot be opened or read whole.
bool ReadFileBytes(const CString& path, std::string& bytes);
// Creates or replaces the file with the bytes; false when it cannot be written whole.
bool WriteFileBytes(const CString& path, const std::string& bytes);

// The file's bytes; empty when it cannot be read. Bytes is std::string or std::vector<BYTE>.
template <typename Bytes = std::string> Bytes ReadBytes(const CString& path)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return Bytes();
    return Bytes(bytes.begin(), bytes.end());
}

// Creates or replaces the file with the bytes; the test fails when it cannot.
void WriteBytes(const CString& path, const std::string& bytes);
void WriteBytes(const CString& path, const std::vector<BYTE>& bytes);
