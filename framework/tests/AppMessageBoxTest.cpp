#include "framework/AppMessageBox.h"
#include <gtest/gtest.h>

TEST(AppMessageBox, HandlerAnswersWithTheTextFromTheStringTable)
{
    CString seen;
    UINT seenType = 0;
    MessageBoxHandler previous = AppSetMessageBoxHandler([&](const CString& text, const CString& caption, UINT type) {
        seen = text;
        seenType = type;
        EXPECT_EQ(L"Vellumor", caption);
        return IDYES;
    });
    EXPECT_EQ(IDYES, AppMessageBox(100, MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(L"Hello from the string table", seen);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), seenType);
    AppSetMessageBoxHandler(previous);
}
