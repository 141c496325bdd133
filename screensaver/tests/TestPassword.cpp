// A stand-in for the system's password-check library of screen savers, for the saver's
// tests: each check signals the named event "VellTestPasswordAsked" and gives the verdict
// written in the file that VELL_TEST_PASSWORD_VERDICT_FILE names ("1" accepts; anything
// else, or no file, refuses). It shows no dialog.
#include <windows.h>

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND)
{
    wchar_t path[MAX_PATH];
    char verdict = '0';
    DWORD length = GetEnvironmentVariableW(L"VELL_TEST_PASSWORD_VERDICT_FILE", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
    {
        HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                  nullptr);
        DWORD read = 0;
        if (file != INVALID_HANDLE_VALUE)
        {
            ReadFile(file, &verdict, 1, &read, nullptr);
            CloseHandle(file);
        }
    }
    if (HANDLE asked = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"VellTestPasswordAsked"))
    {
        SetEvent(asked);
        CloseHandle(asked);
    }
    return verdict == '1';
}
