#pragma once
// The private folder of one test program run: every folder a test makes goes below it.
// The shared test entry creates it before the first test, points the temporary folder
// (TMP and TEMP, so GetTempPath and any program a test starts) at it, gives the program
// an event-log store of its own there (where the file store stands in for the system's
// log), and removes it with everything in it after the last test.
#include "framework/CString.h"

// The folder, without a trailing backslash.
const CString& TestRoot();

// The folder of the running test program (the build's program folder), without a
// trailing backslash: where the programs and libraries a test starts are.
CString TestProgramFolder();

// Creates the folder below the system's temporary folder and makes it the temporary
// folder of this process. False if it cannot be created.
bool EnterTestRoot();

// Gives the process its own temporary folder back and deletes the test root.
void LeaveTestRoot();
