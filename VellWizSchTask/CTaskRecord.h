#pragma once
// CTaskRecord: one scheduled task as the tasks manager carries it: the work item's
// strings, its flags and its one trigger. The list keeps one per row, the scheduler
// access reads and writes it, the wizard builds one.
#include "framework/CString.h"

#include <windows.h>
#include <mstask.h>

class CTaskRecord
{
public:
    // Defaults: empty strings, the battery flags (and the interactive flag on the NT
    // family), a one-time trigger at today's date and the current time.
    CTaskRecord();
    CTaskRecord(const CTaskRecord& other);
    CTaskRecord& operator=(const CTaskRecord& other);
    virtual ~CTaskRecord() = default;

    void Reset();

    // Clears to, then copies the common fields and only the union members that the
    // trigger's type uses; the reserved fields stay zero.
    static void CopyTrigger(const TASK_TRIGGER& from, TASK_TRIGGER& to);

    CString name;
    CString application;
    CString parameters;
    CString workingDirectory;
    CString user;
    // Only handed to the scheduler when a task is written; never read back.
    CString password;
    CString comment;
    DWORD flags = 0;
    TASK_TRIGGER trigger = {};
};
