#include "testing/TestChild.h"
#include "testing/TestProcess.h"
#include <map>
#include <shellapi.h>

namespace
{
std::map<std::wstring, TestChildMain>& Children()
{
    static std::map<std::wstring, TestChildMain> children;
    return children;
}
} // namespace

bool RegisterTestChild(const wchar_t* switchName, TestChildMain child)
{
    Children()[switchName] = child;
    return true;
}

bool RunTestChildWhenAsked(DWORD& exitCode)
{
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv)
        return false;
    auto found = argc >= 2 ? Children().find(argv[1]) : Children().end();
    const bool asked = found != Children().end();
    if (asked)
        exitCode = found->second(argc, argv);
    LocalFree(argv);
    return asked;
}

bool StartTestChild(const wchar_t* switchName, const std::wstring& arguments, PROCESS_INFORMATION& process)
{
    wchar_t program[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" " + switchName;
    if (!arguments.empty())
        commandLine += L" " + arguments;
    return StartTestProcess(commandLine, process);
}
