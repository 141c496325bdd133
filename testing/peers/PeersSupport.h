#pragma once
// What the peer smoke tests share: the environment that scripts/services.sh exports
// for a test run, and whole-file reads and writes through Wine's drives.
#include "testing/TestFiles.h"
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
