#pragma once
// CSystemEventLogStore: the system's event log, reached through its own calls.
#include "common/IEventLogStore.h"

class CSystemEventLogStore : public IEventLogStore
{
public:
    HANDLE RegisterSource(const wchar_t* server, const wchar_t* source) override;
    BOOL Report(HANDLE source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                const wchar_t** strings) override;
    BOOL DeregisterSource(HANDLE source) override;

    HANDLE Open(const wchar_t* server, const wchar_t* logName) override;
    BOOL Read(HANDLE log, DWORD flags, DWORD recordOffset, void* buffer, DWORD size, DWORD* bytesRead,
              DWORD* bytesNeeded) override;
    BOOL Clear(HANDLE log, const wchar_t* backupFile) override;
    BOOL Close(HANDLE log) override;
};
