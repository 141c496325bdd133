#pragma once
// CFaxJob: one fax waiting in a server's outbox. A job is a folder, <outbox>\<number>,
// that holds a copy of the document and Job.ini, the job's fields as "Key=Value" lines
// under [Job]: UTF-16 with a byte-order mark, and "\", carriage return and line feed in
// values written as "\\", "\r" and "\n" so that a multi-line note stays one line.
//
// The fields: Id (the job number), Document (the copy's file name), Server (the
// outbox's server), ConnectedAs (the name the sender connected with; empty for this
// computer), then the document's properties by their names (FileName, FaxNumber,
// RecipientName, ..., SendCoverpage and ServerCoverpage as 0 or 1), each present once
// the sender set it.
#include "framework/CString.h"
#include <utility>
#include <vector>

class CFaxJob
{
public:
    static const wchar_t kJobFileName[];

    // Replaces the field's value, or adds the field after the others.
    void Set(const wchar_t* key, const CString& value);
    // Adds or replaces every field of other, in its order.
    void Set(const CFaxJob& other);
    // The field's value; empty when absent.
    CString Get(const wchar_t* key) const;
    bool Has(const wchar_t* key) const;

    // Writes Job.ini into jobFolder.
    bool Save(const CString& jobFolder) const;
    // Reads Job.ini of jobFolder in place of the fields held; false when it is missing.
    bool Load(const CString& jobFolder);

    // The folders of the complete jobs (those with a Job.ini) of an outbox, in the
    // order of their numbers.
    static std::vector<CString> ListJobs(const CString& outboxFolder);
    // The number a job folder's name stands for (up to nine digits), or -1.
    static long ParseJobNumber(const wchar_t* folderName);

private:
    static CString Escape(const CString& value);
    static CString Unescape(const CString& value);

    std::vector<std::pair<CString, CString>> m_fields;
};
