#pragma once
// What the peer smoke tests share: the environment that scripts/services.sh exports
// for a test run, and whole-file reads and writes through Wine's drives.
#include <windows.h>
#include <string>
#include <vector>

namespace peers
{
// The value of an environment variable; empty when it is not set.
inline std::wstring Env(const wchar_t* name)
{
    DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0)
        return std::wstring();
    std::wstring value(length, L'\0');
    length = GetEnvironmentVariableW(name, &value[0], length);
    value.resize(length);
    return value;
}

inline std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], length, nullptr, nullptr);
    return out;
}

// The message for a test that runs without the peers of the test run.
inline std::string Missing(const wchar_t* name)
{
    return "The environment variable " + Narrow(name) +
           " is not set: run the tests through scripts/test.sh, which starts the peers"
           " (scripts/services.sh).";
}

inline bool ReadBytes(const std::wstring& path, std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) != FALSE;
    if (ok)
    {
        bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        ok = bytes.empty() ||
             (ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size());
    }
    CloseHandle(file);
    return ok;
}

inline bool WriteBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

// Bytes that no run of a compressor or a text conversion would leave unchanged: every
// byte value, in an order fixed by the seed.
inline std::string PatternBytes(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    unsigned state = seed;
    for (char& byte : bytes)
    {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 23);
    }
    return bytes;
}

// A name no other test run uses at the same time: process id and tick count.
inline std::wstring UniqueName(const wchar_t* prefix)
{
    return std::wstring(prefix) + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(GetTickCount64());
}
} // namespace peers
