#pragma once
// A test program started again as a helper process of one of its tests: the first
// argument is a switch that names the helper, and main runs that helper instead of the
// tests; its result is the process's exit code.
#include <string>
#include <windows.h>

// argv[0] is the program, argv[1] the switch.
using TestChildMain = DWORD (*)(int argc, wchar_t** argv);

// Registers the helper under its switch; called from a static initialiser. True.
bool RegisterTestChild(const wchar_t* switchName, TestChildMain child);

// Runs the helper that the command line's first argument names; false when it names none.
bool RunTestChildWhenAsked(DWORD& exitCode);

// Starts this program as the helper with the arguments (quoted where they need it), in
// the test program's job (TestProcess.h).
bool StartTestChild(const wchar_t* switchName, const std::wstring& arguments, PROCESS_INFORMATION& process);
