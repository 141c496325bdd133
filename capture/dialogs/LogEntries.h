#pragma once
// The capture failures of the program (event source "Vellumor") and of unattended jobs
// ("VellumorJob") as the errors log shows and exports them. An entry's text holds its
// fields separated by two blanks: date and time ("%m/%d/%Y %H:%M:%S"), process, type and
// description (which may hold two blanks itself).
#include "common/CEventLog.h"
#include "framework/CArray.h"
#include "framework/CString.h"

struct LogEntry
{
    CString date;
    CString process;
    CString type;
    CString description;
};

const wchar_t* const kProgramEventSource = L"Vellumor";
const wchar_t* const kJobEventSource = L"VellumorJob";

// Splits an entry's text into its fields; false for a text without any separator. When
// the separators run out, the rest of the text is the description, so nothing is lost.
bool SplitLogText(const CString& text, LogEntry& entry);

// The texts of both sources merged by their date and time (read as a date), oldest first;
// entries of equal time keep the program's before the job runner's. False with the event
// log's error text when either source cannot be read.
bool ReadLogTexts(CEventLog& log, CStringArray& texts, CString& error);
