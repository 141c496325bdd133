#include "testing/TestRoot.h"
#include "common/CFileEventLogStore.h"
#include "testing/RemoveTestTree.h"
#include <windows.h>

namespace
{
CString g_root;
CString g_tmp;
CString g_temp;

CString Variable(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(value) : CString();
}

void SetVariable(const wchar_t* name, const CString& value)
{
    SetEnvironmentVariableW(name, value.IsEmpty() ? nullptr : static_cast<const wchar_t*>(value));
}

CString ProgramPath()
{
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    return program;
}

// The program's own name without ".exe": it tells the roots of concurrent programs apart
// when a run is left behind.
CString ProgramName()
{
    CString path = ProgramPath();
    CString name = path.Mid(path.ReverseFind(L'\\') + 1);
    int dot = name.ReverseFind(L'.');
    return dot > 0 ? name.Left(dot) : name;
}
} // namespace

CString TestProgramFolder()
{
    CString path = ProgramPath();
    return path.Left(path.ReverseFind(L'\\'));
}

const CString& TestRoot()
{
    return g_root;
}

bool EnterTestRoot()
{
    wchar_t temp[MAX_PATH] = {};
    if (!GetTempPathW(MAX_PATH, temp))
        return false;
    CString base;
    base.Format(L"%svell-%s-%lu-", temp, static_cast<const wchar_t*>(ProgramName()),
                GetCurrentProcessId());
    for (ULONGLONG attempt = GetTickCount64(); g_root.IsEmpty(); ++attempt)
    {
        CString candidate;
        candidate.Format(L"%s%llu", static_cast<const wchar_t*>(base), attempt);
        if (CreateDirectoryW(candidate, nullptr))
            g_root = candidate;
        else if (GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    g_tmp = Variable(L"TMP");
    g_temp = Variable(L"TEMP");
    SetVariable(L"TMP", g_root);
    SetVariable(L"TEMP", g_root);
    // The event log of the file store (where the system keeps none) is the program's
    // own, shared with the programs it starts.
    SetVariable(CFileEventLogStore::kStoreFolderVariable, g_root + L"\\EventLog");
    return true;
}

void LeaveTestRoot()
{
    if (g_root.IsEmpty())
        return;
    SetVariable(L"TMP", g_tmp);
    SetVariable(L"TEMP", g_temp);
    SetVariable(CFileEventLogStore::kStoreFolderVariable, CString());
    RemoveTestTree(g_root);
    g_root.Empty();
}
