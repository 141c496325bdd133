#include "common/CFileEventLogStore.h"

#include "framework/CArray.h"
#include "framework/Handles.h"

#include <shlobj.h>
#include <cstring>

struct CFileEventLogStore::SourceHandle
{
    CString name;
};

struct CFileEventLogStore::LogHandle
{
    LONGLONG position = 0; // of the next record to read
};

namespace
{
const wchar_t kMutexName[] = L"Global\\VellumorEventLogStore";
const wchar_t kFolderBelowCommonData[] = L"\\Talvono Software\\Vellumor\\EventLog";
const wchar_t kFileName[] = L"\\Application.dat";

CString GetStoreFolder()
{
    // A run of the test programs gives each program a log of its own, which the
    // programs it starts inherit.
    wchar_t other[MAX_PATH] = L"";
    DWORD length = GetEnvironmentVariableW(CFileEventLogStore::kStoreFolderVariable, other, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return other;
    wchar_t commonData[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, commonData);
    return CString(commonData) + kFolderBelowCommonData;
}

BOOL CreateStoreFolder()
{
    int result = SHCreateDirectoryExW(nullptr, GetStoreFolder(), nullptr);
    if (result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS)
        return TRUE;
    SetLastError(static_cast<DWORD>(result));
    return FALSE;
}

HANDLE OpenStoreFile(DWORD access, DWORD disposition)
{
    return CreateFileW(CFileEventLogStore::GetFilePath(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Closes file and returns result, keeping the last error of the failure it reports.
BOOL CloseKeepingError(HANDLE file, BOOL result)
{
    DWORD error = GetLastError();
    CloseHandle(file);
    SetLastError(error);
    return result;
}

BOOL ReadAt(HANDLE file, LONGLONG position, void* bytes, DWORD size)
{
    LARGE_INTEGER to;
    to.QuadPart = position;
    DWORD read = 0;
    return SetFilePointerEx(file, to, nullptr, FILE_BEGIN) && ReadFile(file, bytes, size, &read, nullptr) &&
           read == size;
}

// Reads the fixed part of the record at position; false when no whole, well-formed
// record starts there (the end of the records, or a half-written last one).
bool ReadHeaderAt(HANDLE file, LONGLONG position, LONGLONG fileSize, EVENTLOGRECORD& header)
{
    if (fileSize - position < static_cast<LONGLONG>(sizeof(header)) || !ReadAt(file, position, &header, sizeof(header)))
        return false;
    return header.Reserved == CFileEventLogStore::kRecordSignature && header.Length >= sizeof(header) + sizeof(DWORD) &&
           header.Length % sizeof(DWORD) == 0 && header.Length <= fileSize - position;
}

LONGLONG GetSize(HANDLE file)
{
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    return size.QuadPart;
}

// The end of the last whole record and that record's number (0 when there is none).
LONGLONG FindEndOfRecords(HANDLE file, DWORD& lastNumber)
{
    LONGLONG fileSize = GetSize(file);
    LONGLONG position = 0;
    lastNumber = 0;
    EVENTLOGRECORD header;
    while (ReadHeaderAt(file, position, fileSize, header))
    {
        position += header.Length;
        lastNumber = header.RecordNumber;
    }
    return position;
}

DWORD SecondsSince1970()
{
    const ULONGLONG k1970AsFileTime = 116444736000000000ULL;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    return static_cast<DWORD>((ticks.QuadPart - k1970AsFileTime) / 10000000ULL);
}

CString GetThisComputerName()
{
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = L"";
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(name, &length);
    return name;
}

// Null, empty, or this computer's name with or without the leading "\\".
bool IsThisComputer(const wchar_t* server)
{
    if (!server || !*server)
        return true;
    while (*server == L'\\')
        ++server;
    return CompareStringOrdinal(server, -1, GetThisComputerName(), -1, TRUE) == CSTR_EQUAL;
}

DWORD AlignToDword(size_t size)
{
    return static_cast<DWORD>((size + sizeof(DWORD) - 1) / sizeof(DWORD) * sizeof(DWORD));
}

void CopyText(CByteArray& record, DWORD offset, const wchar_t* text)
{
    std::memcpy(record.GetData() + offset, text, (wcslen(text) + 1) * sizeof(wchar_t));
}

// One record as ReadEventLogW delivers it: the fixed part, the source and computer
// names, the insertion strings from a DWORD boundary on, and the length once more.
CByteArray BuildRecord(DWORD number, const CString& source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                       const wchar_t** strings)
{
    CString computer = GetThisComputerName();
    DWORD computerOffset = static_cast<DWORD>(sizeof(EVENTLOGRECORD) + (source.GetLength() + 1) * sizeof(wchar_t));
    DWORD stringOffset = AlignToDword(computerOffset + (computer.GetLength() + 1) * sizeof(wchar_t));
    DWORD dataOffset = stringOffset;
    for (WORD i = 0; i < stringCount; ++i)
        dataOffset += static_cast<DWORD>((wcslen(strings[i]) + 1) * sizeof(wchar_t));
    DWORD length = AlignToDword(dataOffset) + sizeof(DWORD);

    CByteArray record;
    record.SetSize(static_cast<int>(length));
    EVENTLOGRECORD header = {};
    header.Length = length;
    header.Reserved = CFileEventLogStore::kRecordSignature;
    header.RecordNumber = number;
    header.TimeGenerated = header.TimeWritten = SecondsSince1970();
    header.EventID = eventId;
    header.EventType = type;
    header.NumStrings = stringCount;
    header.EventCategory = category;
    header.StringOffset = header.UserSidOffset = stringOffset;
    header.DataOffset = dataOffset;
    std::memcpy(record.GetData(), &header, sizeof(header));
    CopyText(record, sizeof(EVENTLOGRECORD), source);
    CopyText(record, computerOffset, computer);
    for (WORD i = 0; i < stringCount; ++i)
    {
        CopyText(record, stringOffset, strings[i]);
        stringOffset += static_cast<DWORD>((wcslen(strings[i]) + 1) * sizeof(wchar_t));
    }
    std::memcpy(record.GetData() + length - sizeof(DWORD), &length, sizeof(DWORD));
    return record;
}

// Writes record behind the last whole record of the file, cutting off a half-written one.
BOOL AppendRecord(HANDLE file, const CString& source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                  const wchar_t** strings)
{
    DWORD lastNumber = 0;
    LARGE_INTEGER end;
    end.QuadPart = FindEndOfRecords(file, lastNumber);
    CByteArray record = BuildRecord(lastNumber + 1, source, type, category, eventId, stringCount, strings);
    DWORD written = 0;
    return SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file) &&
           WriteFile(file, record.GetData(), static_cast<DWORD>(record.GetSize()), &written, nullptr) &&
           written == static_cast<DWORD>(record.GetSize());
}

// Copies the store file, created empty when missing, to backupFile, which must not exist.
BOOL BackUpStoreFile(const wchar_t* backupFile)
{
    HANDLE file = OpenStoreFile(GENERIC_READ, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    CloseHandle(file);
    return CopyFileW(CFileEventLogStore::GetFilePath(), backupFile, TRUE);
}

BOOL Fail(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

HANDLE FailHandle(DWORD error)
{
    SetLastError(error);
    return nullptr;
}
} // namespace

CFileEventLogStore::CFileEventLogStore() : m_mutex(CreateMutexW(nullptr, FALSE, kMutexName)) {}

CFileEventLogStore::~CFileEventLogStore()
{
    if (m_mutex)
        CloseHandle(m_mutex);
}

CString CFileEventLogStore::GetFilePath()
{
    return GetStoreFolder() + kFileName;
}

HANDLE CFileEventLogStore::RegisterSource(const wchar_t* server, const wchar_t* source)
{
    if (!IsThisComputer(server))
        return FailHandle(RPC_S_SERVER_UNAVAILABLE);
    if (!source)
        return FailHandle(ERROR_INVALID_PARAMETER);
    return new SourceHandle{source};
}

BOOL CFileEventLogStore::Report(HANDLE source, WORD type, WORD category, DWORD eventId, WORD stringCount,
                                const wchar_t** strings)
{
    if (!source)
        return Fail(ERROR_INVALID_HANDLE);
    if (stringCount && !strings)
        return Fail(ERROR_INVALID_PARAMETER);
    CMutexLock lock(m_mutex);
    if (!lock.IsHeld() || !CreateStoreFolder())
        return FALSE;
    HANDLE file = OpenStoreFile(GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    const CString& name = static_cast<SourceHandle*>(source)->name;
    return CloseKeepingError(file, AppendRecord(file, name, type, category, eventId, stringCount, strings));
}

BOOL CFileEventLogStore::DeregisterSource(HANDLE source)
{
    if (!source)
        return Fail(ERROR_INVALID_HANDLE);
    delete static_cast<SourceHandle*>(source);
    return TRUE;
}

HANDLE CFileEventLogStore::Open(const wchar_t* server, const wchar_t* logName)
{
    if (!IsThisComputer(server))
        return FailHandle(RPC_S_SERVER_UNAVAILABLE);
    return new LogHandle;
}

BOOL CFileEventLogStore::Read(HANDLE log, DWORD flags, DWORD recordOffset, void* buffer, DWORD size, DWORD* bytesRead,
                              DWORD* bytesNeeded)
{
    if (!log)
        return Fail(ERROR_INVALID_HANDLE);
    if (!buffer || !bytesRead || !bytesNeeded || !(flags & EVENTLOG_SEQUENTIAL_READ) ||
        (flags & (EVENTLOG_SEEK_READ | EVENTLOG_BACKWARDS_READ)))
        return Fail(ERROR_INVALID_PARAMETER);
    *bytesRead = *bytesNeeded = 0;
    CMutexLock lock(m_mutex);
    if (!lock.IsHeld())
        return FALSE;
    HANDLE file = OpenStoreFile(GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND ? Fail(ERROR_HANDLE_EOF)
                                                                                                : FALSE;

    // As many whole records as fit, from the handle's position on.
    LogHandle& state = *static_cast<LogHandle*>(log);
    LONGLONG fileSize = GetSize(file);
    BYTE* out = static_cast<BYTE*>(buffer);
    EVENTLOGRECORD header;
    bool recordFollows = false;
    while ((recordFollows = ReadHeaderAt(file, state.position, fileSize, header)) && header.Length <= size - *bytesRead)
    {
        if (!ReadAt(file, state.position, out + *bytesRead, header.Length))
            return CloseKeepingError(file, FALSE);
        *bytesRead += header.Length;
        state.position += header.Length;
    }
    CloseHandle(file);
    if (*bytesRead)
        return TRUE;
    if (recordFollows)
    {
        *bytesNeeded = header.Length;
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    return Fail(ERROR_HANDLE_EOF);
}

BOOL CFileEventLogStore::Clear(HANDLE log, const wchar_t* backupFile)
{
    if (!log)
        return Fail(ERROR_INVALID_HANDLE);
    CMutexLock lock(m_mutex);
    if (!lock.IsHeld() || !CreateStoreFolder() || (backupFile && !BackUpStoreFile(backupFile)))
        return FALSE;
    HANDLE file = OpenStoreFile(GENERIC_WRITE, CREATE_ALWAYS);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    CloseHandle(file);
    return TRUE;
}

BOOL CFileEventLogStore::Close(HANDLE log)
{
    if (!log)
        return Fail(ERROR_INVALID_HANDLE);
    delete static_cast<LogHandle*>(log);
    return TRUE;
}
