#pragma once
// Splitting and joining paths, making sure that folders exist, the program's own folder,
// free disk space and the shell's folder browser. Failures give false plus a message
// text meant for a message box.
#include "framework/CString.h"

// True when the file exists and can be opened for reading.
bool FileExists(const CString& path);

// Splits the first kMaxPathLength (MAX_PATH) characters of path. folder is the drive and directory with
// its trailing separator, name has no extension, extension keeps its dot.
void SplitPath(const CString& path, CString& name, CString& extension, CString& folder);

// Appends "\" (backslash) or "/" unless path is empty or already ends in a separator.
void AddTrailingSlash(CString& path, bool backslash = true);
// Removes every trailing "\" and "/".
void RemoveTrailingSlash(CString& path);

// Full path of the running program.
CString GetModulePath();
// The program's folder, without a trailing "\"; empty when the path cannot be read.
CString GetModuleDirectory();

// True when the folder exists. Otherwise, with ask set and a non-empty folder, asks
// whether to create it; on Yes creates it (a failure is shown and gives false).
bool EnsurePathExists(const CString& folder, bool ask);

// Creates every missing folder of the folder part of path (the drive and everything up
// to the last separator: "C:\a\b\" creates b, "C:\a\b.txt" only a). The path needs a
// drive; a network path is refused.
bool CreateDirectoryPath(const CString& path, CString& error);

// folder when it exists or can be created, otherwise the user's temporary folder.
CString GetTempDirectory(const CString& folder);

// True when the volume of filePath has more than neededBytes free; the file's folder is
// created first when missing.
bool CheckFreeDiskSpace(const CString& filePath, DWORD neededBytes, CString& error);

// The shell's folder browser, starting at folder (through AppFileDialog, which a test can
// answer); true and the chosen folder in folder when the user picks one.
bool BrowseForFolder(HWND owner, CString& folder, const CString& title);
