// A stand-in graphic editor for the tests: it records the arguments it was started
// with (the program path first, as the system parsed them) in the file that the
// environment variable VELL_ARGS_RECORD names, one UTF-8 line each, and ends. The
// file appears complete: it is written under a temporary name and then renamed.
#include <windows.h>
#include <shellapi.h>
#include <string>

namespace
{
std::string ToUtf8(const wchar_t* text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    return bytes;
}
} // namespace

int main()
{
    wchar_t target[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(L"VELL_ARGS_RECORD", target, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 2;

    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr)
        return 3;
    std::string record;
    for (int i = 0; i < count; ++i)
        record += ToUtf8(arguments[i]) + "\n";
    LocalFree(arguments);

    std::wstring temporary = std::wstring(target) + L".tmp";
    HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 4;
    DWORD written = 0;
    BOOL ok = WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != record.size() || !MoveFileExW(temporary.c_str(), target, MOVEFILE_REPLACE_EXISTING))
        return 5;
    return 0;
}
