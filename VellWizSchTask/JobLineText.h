#pragma once
// The text of a job line's values, written so that the job runner's process gets back
// exactly the value the wizard holds, and the split of a task's parameters by the same
// rules that process's start-up uses (a blank separates arguments outside double
// quotes; a backslash escapes a double quote; backslashes before a double quote are
// doubled). Values without quotes and without a trailing backslash are written as
// before: a text value between double quotes, a plain value as it stands.
#include "framework/CArray.h"
#include "framework/CString.h"

// A text value, which the job line's reader takes with one leading and one trailing
// double quote removed: always between double quotes, with a second pair when the value
// itself begins or ends with a double quote.
CString QuoteJobText(const CString& value);

// A plain value, which the reader takes as it stands: quoted only when it is empty or
// holds a blank, a tab or a double quote.
CString QuoteJobPlain(const CString& value);

// The argument vector of the job runner started with these parameters: argv[0] is
// "VellRunJobs.exe", then every argument of parameters, of any length.
void SplitCommandLine(const CString& parameters, CStringArray& argv);
