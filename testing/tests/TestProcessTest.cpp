// The job of the processes a test starts: what a test program started, and what that
// started in turn, ends when the test program ends, however it ends.
#include "testing/TestChild.h"
#include "testing/TestFolder.h"
#include "testing/TestProcess.h"
#include "testing/TestPump.h"
#include <fstream>
#include <gtest/gtest.h>

namespace
{
const wchar_t kStarterSwitch[] = L"--start-a-waiting-child";
const wchar_t kWaiterSwitch[] = L"--wait-until-ended";

DWORD WaitUntilEnded(int, wchar_t**)
{
    Sleep(INFINITE);
    return 0;
}

// As a test program does: starts a waiting child through the test helpers, writes the
// child's process id into the file argv[2] and waits until it is ended.
DWORD StartAWaitingChild(int argc, wchar_t** argv)
{
    PROCESS_INFORMATION child{};
    if (argc < 3 || !StartTestChild(kWaiterSwitch, L"", child))
        return 1;
    std::wofstream(argv[2]) << child.dwProcessId;
    Sleep(INFINITE);
    return 0;
}

const bool kRegistered =
    RegisterTestChild(kStarterSwitch, StartAWaitingChild) && RegisterTestChild(kWaiterSwitch, WaitUntilEnded);

DWORD ReadProcessId(const CString& path)
{
    DWORD id = 0;
    std::wifstream(path.GetString()) >> id;
    return id;
}

bool InAJob(HANDLE process)
{
    BOOL inJob = FALSE;
    return IsProcessInJob(process, nullptr, &inJob) && inJob;
}
} // namespace

TEST(TestProcess, AStartedProcessAndItsChildrenEndWithTheProgramThatStartedThem)
{
    ASSERT_TRUE(kRegistered);
    TestFolder folder;
    const CString idFile = folder / L"child.txt";
    PROCESS_INFORMATION starter{};
    ASSERT_TRUE(StartTestChild(kStarterSwitch, (L"\"" + idFile + L"\"").GetString(), starter));
    ASSERT_TRUE(PumpUntil([&idFile] { return ReadProcessId(idFile) != 0; }));
    HANDLE child = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE,
                               ReadProcessId(idFile));
    ASSERT_TRUE(child);
    EXPECT_TRUE(InAJob(starter.hProcess));
    EXPECT_TRUE(InAJob(child));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(child, 0));

    // As a time-out ends a test program.
    TerminateProcess(starter.hProcess, 1);
    EXPECT_TRUE(PumpUntilSignalled(child)) << "The child outlived the program that started it.";

    TerminateProcess(child, 1);
    CloseHandle(child);
    CloseHandle(starter.hThread);
    CloseHandle(starter.hProcess);
}
