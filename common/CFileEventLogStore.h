#pragma once
// CFileEventLogStore: the project's own stand-in for the system's Application event log,
// for systems whose event log keeps nothing (Wine). Every program of the machine shares
// one file, CSIDL_COMMON_APPDATA\Talvono Software\Vellumor\EventLog\Application.dat
// (a run of the test programs names another folder in the environment variable
// kStoreFolderVariable, so that each test program has a log of its own), and one named mutex that guards every access to it, so the main program and the job
// runner can report at the same time. The file holds the records one after another in the
// EVENTLOGRECORD layout that ReadEventLogW delivers (fixed part, source and computer
// names, insertion strings, length again at the end), so the reading code walks them as it
// walks the system's records. A record left half-written by a process that died while
// writing it is dropped by the next report.
//
// Where it differs from the system's event log:
// - One log for this computer only: every log name opens the Application log, and any
//   other server name fails with RPC_S_SERVER_UNAVAILABLE.
// - Reading is sequential and forwards only; EVENTLOG_SEEK_READ and
//   EVENTLOG_BACKWARDS_READ fail with ERROR_INVALID_PARAMETER. A read handle opened before
//   a Clear goes on from its old position instead of failing with
//   ERROR_EVENTLOG_FILE_CHANGED.
// - No maximum size and no overwriting of old records: the file grows until cleared.
//   Record numbers start at 1 again after a Clear.
// - Records carry no user SID and no binary data.
// - Clear's backup file is a copy of the store file, not an .evt file that
//   OpenBackupEventLogW could open; an existing backup file fails with ERROR_FILE_EXISTS.
// - No access control: whoever may write the folder may report, read and clear; the
//   folder and the mutex have default security.
// - Source registration and message files play no part: the source name is stored as
//   given and the insertion strings as they are.
#include "common/IEventLogStore.h"
#include "framework/CString.h"

class CFileEventLogStore : public IEventLogStore
{
public:
    // The environment variable that names another folder for the store's file.
    static constexpr const wchar_t* kStoreFolderVariable = L"VELL_EVENTLOG_FOLDER";

    CFileEventLogStore();
    CFileEventLogStore(const CFileEventLogStore&) = delete;
    CFileEventLogStore& operator=(const CFileEventLogStore&) = delete;
    ~CFileEventLogStore() override;

    HANDLE RegisterSource(const wchar_t* server, const wchar_t* source) override;
    BOOL Report(HANDLE source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                const wchar_t** strings) override;
    BOOL DeregisterSource(HANDLE source) override;

    HANDLE Open(const wchar_t* server, const wchar_t* logName) override;
    BOOL Read(HANDLE log, DWORD flags, DWORD recordOffset, void* buffer, DWORD size, DWORD* bytesRead,
              DWORD* bytesNeeded) override;
    BOOL Clear(HANDLE log, const wchar_t* backupFile) override;
    BOOL Close(HANDLE log) override;

    static CString GetFilePath();

    // The Reserved field of every record: "LfLe", as in the system's records.
    static const DWORD kRecordSignature = 0x654c664c;

private:
    struct SourceHandle;
    struct LogHandle;

    HANDLE m_mutex;
};
