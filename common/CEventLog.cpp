#include "common/CEventLog.h"

#include "common/CRegistry.h"
#include "common/IEventLogStore.h"
#include "common/SystemHelpers.h"

namespace
{
const wchar_t kApplicationLog[] = L"Application";
const DWORD kFirstReadSize = 1024;

CString GetSourceKeyPath(const wchar_t* source)
{
    return CString(L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\") + source;
}
} // namespace

CString CEventLog::GetRecordText(const EVENTLOGRECORD* record)
{
    if (!record || record->NumStrings == 0)
        return CString();
    return reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + record->StringOffset);
}

void CEventLog::SetFailure(const wchar_t* text, DWORD error)
{
    m_errorText = CString(text) + GetSystemErrorText(error);
}

bool CEventLog::RegisterSource(const wchar_t* source, const wchar_t* messageFile)
{
    if (!source || !messageFile)
    {
        m_errorText = L"Failure opening source name registry key. The provided source name string is null.";
        return false;
    }
    const DWORD kTypesSupported = EVENTLOG_ERROR_TYPE | EVENTLOG_WARNING_TYPE | EVENTLOG_INFORMATION_TYPE;
    CRegistry key;
    CString error;
    if (key.Open(HKEY_LOCAL_MACHINE, GetSourceKeyPath(source), true, error) &&
        key.SetString(L"EventMessageFile", messageFile, error, true) &&
        key.SetDWORD(L"TypesSupported", kTypesSupported, error))
        return true;
    m_errorText = error;
    return false;
}

bool CEventLog::SourceExists(const wchar_t* source)
{
    CRegistry key;
    CString error;
    return source && key.OpenReadOnly(HKEY_LOCAL_MACHINE, GetSourceKeyPath(source), error);
}

bool CEventLog::EnsureSourceRegistered(const wchar_t* source, const wchar_t* messageFile)
{
    if (RegisterSource(source, messageFile))
        return true;
    // Without administrative rights the key cannot be written; a source registered
    // before (by the installer) serves as it is.
    if (!source || !messageFile || !SourceExists(source))
        return false;
    m_errorText.Empty();
    return true;
}

bool CEventLog::Report(const wchar_t* source, const wchar_t* messageFile, WORD type, DWORD eventId, const wchar_t* text)
{
    m_errorText.Empty();
    if (!EnsureSourceRegistered(source, messageFile))
        return false;

    IEventLogStore& store = IEventLogStore::ForThisSystem();
    HANDLE handle = store.RegisterSource(nullptr, source);
    if (!handle)
    {
        SetFailure(L"Failure registering the system event log source. Error: ", GetLastError());
        return false;
    }
    CString line(text ? text : L"");
    line.Replace(L'\r', L' ');
    line.Replace(L'\n', L' ');
    const wchar_t* strings[] = {line};
    bool reported = store.Report(handle, type, 0, eventId, 1, strings) != FALSE;
    if (!reported)
        SetFailure(L"Failure reporting to the system event log. Error: ", GetLastError());
    bool deregistered = store.DeregisterSource(handle) != FALSE;
    if (!deregistered)
        SetFailure(L"Failure deregistering the system event log source. Error: ", GetLastError());
    return reported && deregistered;
}

void CEventLog::AddRecordsOf(const wchar_t* source, const BYTE* records, DWORD size, CStringArray& texts)
{
    DWORD offset = 0;
    while (size - offset >= sizeof(EVENTLOGRECORD))
    {
        auto record = reinterpret_cast<const EVENTLOGRECORD*>(records + offset);
        if (record->Length == 0)
            break;
        auto recordSource = reinterpret_cast<const wchar_t*>(record + 1);
        if (wcscmp(recordSource, source) == 0)
            texts.Add(GetRecordText(record));
        offset += record->Length;
    }
}

bool CEventLog::Read(const wchar_t* server, const wchar_t* source, CStringArray& texts)
{
    m_errorText.Empty();
    texts.RemoveAll();
    if (!source)
    {
        m_errorText = L"Failure reading the system's event log. The provided source name is null.";
        return false;
    }
    IEventLogStore& store = IEventLogStore::ForThisSystem();
    HANDLE log = store.Open(server, kApplicationLog);
    if (!log)
    {
        DWORD error = GetLastError();
        if (SourceExists(source))
            SetFailure(L"Failure opening the system's event log. Error: ", error);
        return false;
    }

    // As many records as fit per call; a record larger than the buffer grows it.
    CByteArray buffer;
    buffer.SetSize(kFirstReadSize);
    for (;;)
    {
        DWORD read = 0;
        DWORD needed = 0;
        DWORD size = static_cast<DWORD>(buffer.GetSize());
        if (store.Read(log, EVENTLOG_SEQUENTIAL_READ | EVENTLOG_FORWARDS_READ, 0, buffer.GetData(), size, &read,
                       &needed))
            AddRecordsOf(source, buffer.GetData(), read, texts);
        else if (GetLastError() == ERROR_INSUFFICIENT_BUFFER && needed > size)
            buffer.SetSize(static_cast<int>(needed));
        else
            break; // the end of the log
    }
    store.Close(log);
    return true;
}

bool CEventLog::Clear(const wchar_t* server, const wchar_t* backupFile)
{
    m_errorText.Empty();
    IEventLogStore& store = IEventLogStore::ForThisSystem();
    HANDLE log = store.Open(server, kApplicationLog);
    if (!log)
    {
        SetFailure(L"Failure opening the system's event log. Error: ", GetLastError());
        return false;
    }
    bool cleared = store.Clear(log, backupFile) != FALSE;
    if (!cleared)
        SetFailure(L"Failure clearing the system's event log. Error: ", GetLastError());
    store.Close(log);
    return cleared;
}
