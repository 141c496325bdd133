#include "common/CInstanceCop.h"

#include <string>

namespace
{
const UINT kQueryTimeoutMs = 200;

// Function-local, so that a program may register its name from any static initialiser.
std::wstring& GuardName()
{
    static std::wstring name;
    return name;
}

UINT& QueryMessage()
{
    static UINT message = 0;
    return message;
}

BOOL CALLBACK FindPreviousInstance(HWND window, LPARAM found)
{
    DWORD_PTR answer = 0;
    UINT message = QueryMessage();
    if (!SendMessageTimeoutW(window, message, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kQueryTimeoutMs, &answer) ||
        answer != message)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
} // namespace

CInstanceCop::CInstanceCop(bool activate)
{
    if (GuardName().empty())
        return;
    // The handle stays open for the life of the process: it is what marks this instance.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, GuardName().c_str());
    DWORD error = GetLastError();
    if (mutex && error != ERROR_ALREADY_EXISTS)
        return;
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_ACCESS_DENIED)
        return; // the guard itself failed: better a second instance than none
    if (activate)
        ActivatePreviousInstance();
    ExitProcess(0);
}

UINT CInstanceCop::RegisterGuardName(const wchar_t* name)
{
    GuardName() = name ? name : L"";
    QueryMessage() = GuardName().empty() ? 0 : RegisterWindowMessageW(GuardName().c_str());
    return QueryMessage();
}

UINT CInstanceCop::GetQueryMessage()
{
    return QueryMessage();
}

void CInstanceCop::ActivatePreviousInstance()
{
    if (!QueryMessage())
        return;
    HWND previous = nullptr;
    EnumWindows(FindPreviousInstance, reinterpret_cast<LPARAM>(&previous));
    if (!previous)
        return;
    ShowWindow(previous, SW_SHOW);
    SetForegroundWindow(previous);
    if (IsIconic(previous))
        ShowWindow(previous, SW_RESTORE);
}

LRESULT CInstanceCop::OnInstanceQuery(WPARAM, LPARAM)
{
    return QueryMessage();
}
