#pragma once
// CFaxOutbox: the outbox folder of one fax server, where sent faxes wait as jobs (see
// CFaxJob for a job's folder).
#include "standins/fax/CFaxJob.h"
#include <windows.h>

class CFaxOutbox
{
public:
    explicit CFaxOutbox(const CString& folder) : m_folder(folder) {}

    // Queues documentPath with fields: a new job folder numbered one above the highest
    // so far (the outbox is created when missing), a copy of the document in it, then
    // Job.ini with Id and Document ahead of fields. On failure nothing is left behind
    // and the result is the file error.
    HRESULT Queue(const CString& documentPath, const CFaxJob& fields, long& jobId) const;

private:
    long NextJobNumber() const;
    // Creates the next free job folder.
    HRESULT CreateJobFolder(long& jobId, CString& jobFolder) const;

    CString m_folder;
};
