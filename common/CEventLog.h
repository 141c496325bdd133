#pragma once
// CEventLog: writes, reads and clears entries of the Application event log. Each report
// first registers its source with a message file, so that the event viewer can show the
// text. Every failure is a false result plus a text kept in the object (GetErrorText).
// The records go to the store that IEventLogStore::ForThisSystem chooses.
#include "framework/CArray.h"
#include "framework/CString.h"

#include <windows.h>

class CEventLog
{
public:
    CEventLog() = default;
    virtual ~CEventLog() = default;

    // The text of the record's first insertion string; empty for a null record or one
    // without strings.
    virtual CString GetRecordText(const EVENTLOGRECORD* record);

    CString GetErrorText() const { return m_errorText; }

    // Creates or opens the source's key under the Application log and writes its message
    // file (EventMessageFile) and the supported types (TypesSupported: error, warning,
    // information).
    bool RegisterSource(const wchar_t* source, const wchar_t* messageFile);
    // True when the source's key exists; it is opened for reading only, which needs no
    // administrative rights.
    static bool SourceExists(const wchar_t* source);

    // Registers the source and reports one event whose only insertion string is text,
    // with every line break turned into a blank. Registration needs administrative rights;
    // when it fails for a source that is already registered, the event is reported anyway.
    bool Report(const wchar_t* source, const wchar_t* messageFile, WORD type, DWORD eventId, const wchar_t* text);
    // The text (GetRecordText) of every record of source in the Application log of
    // server (null: this computer), oldest first. Source names compare case-sensitively.
    bool Read(const wchar_t* server, const wchar_t* source, CStringArray& texts);
    // Clears the Application log of server (null: this computer), saving it first to
    // backupFile unless that is null.
    bool Clear(const wchar_t* server, const wchar_t* backupFile);

private:
    bool EnsureSourceRegistered(const wchar_t* source, const wchar_t* messageFile);
    void SetFailure(const wchar_t* text, DWORD error);
    void AddRecordsOf(const wchar_t* source, const BYTE* records, DWORD size, CStringArray& texts);

    CString m_errorText;
};
