#pragma once
// CImagePoolFile: the pool list file, one full picture path a line. It is written as UTF-8
// with a byte-order mark, so that any path survives; it is read as UTF-8 (with or without
// the mark) or, when the bytes are not UTF-8, in the ANSI code page of older files.
#include "framework/CString.h"
#include <vector>

class CImagePoolFile
{
public:
    enum ReadResult
    {
        ReadDone,
        ReadNotOpened, // no file, or it cannot be opened: the caller keeps its list
        ReadFailed     // opened, but reading it failed
    };
    // The non-empty lines of the file, in order.
    static ReadResult Read(const CString& path, std::vector<CString>& paths);

    enum WriteResult
    {
        WriteDone,
        WriteNoFolder, // the folder does not exist and cannot be created
        WriteFailed
    };
    // Creates the folder when missing and replaces the file with one line per path.
    static WriteResult Write(const CString& folder, const std::vector<CString>& paths);

    // The lines joined, each followed by the separator "%&?"; the form the saver compares.
    static CString Join(const std::vector<CString>& paths);
};
