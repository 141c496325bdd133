// Entry of every test program: GoogleTest, with message boxes answered instead of shown.
// A box that a test did not expect to appear fails that test.
#include "framework/AppMessageBox.h"
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    AppSetMessageBoxHandler([](const CString& text, const CString&, UINT) {
        ADD_FAILURE() << "Unexpected message box: " << text.ToAnsi(CP_UTF8);
        return IDCANCEL;
    });
    return RUN_ALL_TESTS();
}
