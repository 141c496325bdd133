#include "common/CSystemEventLogStore.h"

HANDLE CSystemEventLogStore::RegisterSource(const wchar_t* server, const wchar_t* source)
{
    return RegisterEventSourceW(server, source);
}

BOOL CSystemEventLogStore::Report(HANDLE source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                                  const wchar_t** strings)
{
    return ReportEventW(source, type, category, eventId, nullptr, stringCount, 0, strings, nullptr);
}

BOOL CSystemEventLogStore::DeregisterSource(HANDLE source)
{
    return DeregisterEventSource(source);
}

HANDLE CSystemEventLogStore::Open(const wchar_t* server, const wchar_t* logName)
{
    return OpenEventLogW(server, logName);
}

BOOL CSystemEventLogStore::Read(HANDLE log, DWORD flags, DWORD recordOffset, void* buffer, DWORD size, DWORD* bytesRead,
                                DWORD* bytesNeeded)
{
    return ReadEventLogW(log, flags, recordOffset, buffer, size, bytesRead, bytesNeeded);
}

BOOL CSystemEventLogStore::Clear(HANDLE log, const wchar_t* backupFile)
{
    return ClearEventLogW(log, backupFile);
}

BOOL CSystemEventLogStore::Close(HANDLE log)
{
    return CloseEventLog(log);
}
