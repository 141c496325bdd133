#pragma once
// Checks of names and paths typed by the user. Each gives true, or false with a
// message text meant for a message box; the text is emptied on success.
#include "framework/CString.h"

// Longest name of one file or folder.
const int kMaxFileNameLength = 256;
// Longest full path the path helpers work with; SplitPath keeps this many characters.
const int kMaxPathLength = MAX_PATH;

// A name usable as one file or folder name: no device name (aux, con, lpt1, prn), at
// most 256 characters, not empty or beginning with ".", no reserved or control
// characters.
bool ValidateFileName(const CString& name, CString& error);

// The name checks of unattended tools, which take any name the system takes: no device
// name, at most 256 characters, no reserved or control characters. With show, the
// reason is shown in a message box (information icon). True when the name passes.
bool ValidateNameAndShow(const CString& name, bool show);

// A full path: a drive ("C:") or a network share ("\\server\share\"), then folder
// names that each pass ValidateFileName, except that a folder name may begin with "."
// (".cache"); the levels "." and ".." alone are refused. At most kMaxPathLength characters, the
// length the path helpers use, so a valid path is never cut.
bool ValidatePath(const CString& path, CString& error);

// A server folder such as "/images/2024": "/" alone, or folder names each preceded by
// a slash (a trailing slash is allowed), checked as the folder names of ValidatePath.
bool ValidateDirectory(const CString& directory, CString& error);
