// The job runner installed where users put programs: a copy of VellRunJobs.exe and the
// libraries beside it in a folder whose path has a folder beginning with a dot and
// blanks, writing its capture below its own folder.
#include "testing/TestProcess.h"
#include "testing/TestRoot.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace
{
const DWORD kJobTimeoutMs = 60000;

// Copies the job runner and every library of the build's program folder into the folder.
bool CopyRunner(const CString& folder)
{
    const CString from = TestProgramFolder();
    if (!CopyFileW(from + L"\\VellRunJobs.exe", folder + L"\\VellRunJobs.exe", FALSE))
        return false;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(from + L"\\*.dll", &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool copied = true;
    do
        copied = copied && CopyFileW(from + L"\\" + found.cFileName, folder + L"\\" + found.cFileName, FALSE);
    while (FindNextFileW(search, &found));
    FindClose(search);
    return copied;
}

// Runs the program with the arguments from its own folder; its exit code, or
// STILL_ACTIVE when it could not start or did not end in time.
DWORD RunProgram(const CString& program, const CString& arguments)
{
    PROCESS_INFORMATION process = {};
    const CString folder = program.Left(program.ReverseFind(L'\\'));
    if (!StartTestProcess((L"\"" + program + L"\" " + arguments).GetString(), process, folder))
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, kJobTimeoutMs) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, STILL_ACTIVE);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}
} // namespace

TEST(RelocatedRunnerTest, DesktopJobFromAFolderBelowADotFolderWithBlanksWritesThePicture)
{
    const CString bin = TestRoot() + L"\\.apps\\vell run\\bin";
    ASSERT_TRUE(CreateDirectoryW(TestRoot() + L"\\.apps", nullptr));
    ASSERT_TRUE(CreateDirectoryW(TestRoot() + L"\\.apps\\vell run", nullptr));
    ASSERT_TRUE(CreateDirectoryW(bin, nullptr));
    ASSERT_TRUE(CopyRunner(bin));

    const CString captures = bin + L"\\Screen Captures\\File";
    DWORD code = RunProgram(bin + L"\\VellRunJobs.exe",
                            L"-type VELLUMOR_SC -esParam 7 -escType 6 -size \"\" -file Desktop -path \"" + captures +
                                L"\" -imgType 4 -overwrite 1 -duration 1 -freq 1");

    EXPECT_EQ(0u, code);
    WIN32_FILE_ATTRIBUTE_DATA picture;
    ASSERT_TRUE(GetFileAttributesExW(captures + L"\\Desktop.png", GetFileExInfoStandard, &picture));
    EXPECT_GT(picture.nFileSizeLow, 0u);
}
