// Entry of every test program: GoogleTest, with message boxes answered instead of shown,
// inside a temporary folder of the program's own (see TestRoot.h); or, started with a
// helper's switch, that helper of a test (see TestChild.h).
// A box that a test did not expect to appear fails that test.
#include "framework/AppMessageBox.h"
#include "testing/TestChild.h"
#include "testing/TestRoot.h"
#include <cstdio>
#include <windows.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    DWORD childResult = 0;
    if (RunTestChildWhenAsked(childResult))
        return static_cast<int>(childResult);
    testing::InitGoogleTest(&argc, argv);
    AppSetMessageBoxHandler([](const CString& text, const CString&, UINT) {
        ADD_FAILURE() << "Unexpected message box: " << text.ToAnsi(CP_UTF8);
        return IDCANCEL;
    });
    if (!EnterTestRoot())
    {
        std::fprintf(stderr, "The test program's temporary folder could not be created.\n");
        return 1;
    }
    int result = RUN_ALL_TESTS();
    LeaveTestRoot();
    // The result is complete: end here rather than through the libraries' unloading. Under
    // Wine the media libraries' native threads (sound server client, media framework) can
    // still run while those libraries unload at a normal exit, and fault the process after
    // every test passed.
    std::fflush(nullptr);
    TerminateProcess(GetCurrentProcess(), static_cast<UINT>(result));
    return result;
}
