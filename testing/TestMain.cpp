// Entry of every test program: GoogleTest, with message boxes answered instead of shown,
// inside a temporary folder of the program's own (see TestRoot.h).
// A box that a test did not expect to appear fails that test.
#include "framework/AppMessageBox.h"
#include "testing/TestRoot.h"
#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
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
    return result;
}
