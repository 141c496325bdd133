#pragma once
// IEventLogStore: where CEventLog's records go. The operations have the shape, results
// and last-error codes of the system's event-log calls (RegisterEventSourceW, ReportEventW,
// DeregisterEventSource, OpenEventLogW, ReadEventLogW, ClearEventLogW, CloseEventLog),
// and Read delivers EVENTLOGRECORDs, so the callers treat every store alike.
#include <windows.h>

class IEventLogStore
{
public:
    virtual ~IEventLogStore() = default;

    virtual HANDLE RegisterSource(const wchar_t* server, const wchar_t* source) = 0;
    virtual BOOL Report(HANDLE source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                        const wchar_t** strings) = 0;
    virtual BOOL DeregisterSource(HANDLE source) = 0;

    virtual HANDLE Open(const wchar_t* server, const wchar_t* logName) = 0;
    virtual BOOL Read(HANDLE log, DWORD flags, DWORD recordOffset, void* buffer, DWORD size, DWORD* bytesRead,
                      DWORD* bytesNeeded) = 0;
    virtual BOOL Clear(HANDLE log, const wchar_t* backupFile) = 0;
    virtual BOOL Close(HANDLE log) = 0;

    // The system's event log where it keeps and returns records; under Wine, which
    // accepts reports without storing them and fails every read, the project's own
    // file store (CFileEventLogStore).
    static IEventLogStore& ForThisSystem();
};
