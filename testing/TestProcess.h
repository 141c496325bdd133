#pragma once
// Every process a test starts runs inside one job object of the test program, made to end
// the processes in it when its last handle closes. Only this program holds that handle, so
// when the program ends, however it ends (a time-out kills it), nothing it started stays
// behind in its display slot. The processes that a started process starts belong to the
// job too.
#include <string>
#include <windows.h>

// CreateProcess with the command line (quoted where it needs it), in folder (nullptr: this
// program's current folder), with startup (nullptr: defaults). The process starts
// suspended and runs once it is in the job. False when it could not start, or, with the
// reason reported as a test failure, when it could not be put in the job (it is ended).
bool StartTestProcess(const std::wstring& commandLine, PROCESS_INFORMATION& process, const wchar_t* folder = nullptr,
                      const STARTUPINFOW* startup = nullptr);
