#pragma once
// The length of a training file (".vtf"), read from its header: the version text and,
// from version 1.1 on, the time from the first to the last event.
#include "framework/CString.h"

// Whole seconds (milliseconds / 1000); -1 when the file cannot be opened or read, its
// version text has no blank or its version is below 1.1.
long GetTrainingFileLength(const CString& path);
