// The job that the main program's tests start their processes in: closing it ends them.
#include "app/tests/KillOnCloseJob.h"

#include "testing/TestChild.h"
#include "testing/TestPump.h"
#include "testing/TestRoot.h"

#include <gtest/gtest.h>

namespace
{
const wchar_t kStaySwitch[] = L"--stay-until-ended";

// Stays far longer than any test waits for it to be ended.
[[maybe_unused]] const bool s_stayRegistered = RegisterTestChild(kStaySwitch, [](int, wchar_t**) -> DWORD {
    Sleep(6 * kTestGiveUpMs);
    return 0;
});

CString ThisProgram()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

TEST(KillOnCloseJobTest, TheJobsEndEndsTheProcessStartedInIt)
{
    PROCESS_INFORMATION process = {};
    {
        KillOnCloseJob job;
        ASSERT_TRUE(job.Start(L"\"" + ThisProgram() + L"\" " + kStaySwitch, TestProgramFolder(), process))
            << job.GetErrorText().ToAnsi();
        BOOL inJob = FALSE;
        EXPECT_TRUE(IsProcessInJob(process.hProcess, nullptr, &inJob) && inJob);
        EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(process.hProcess, 0));
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, kTestGiveUpMs));
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
}

TEST(KillOnCloseJobTest, AProgramThatIsNotThereIsNotStartedAndSaysWhy)
{
    KillOnCloseJob job;
    PROCESS_INFORMATION process = {};
    EXPECT_FALSE(job.Start(L"\"" + TestProgramFolder() + L"\\NoSuchProgram.exe\"", TestProgramFolder(), process));
    EXPECT_EQ(0, job.GetErrorText().Find(L"The process could not be started: ")) << job.GetErrorText().ToAnsi();
    EXPECT_EQ(nullptr, process.hProcess);
}
} // namespace
