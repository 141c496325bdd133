#include "screensaver/ScreenSaverCommand.h"

#include "framework/CString.h"

#include <gtest/gtest.h>

TEST(ScreenSaverCommand, LettersSelectTheCommandInAnyCaseWithOrWithoutASwitchSign)
{
    struct Case
    {
        const wchar_t* line;
        ScreenSaverCommand command;
        INT_PTR parent;
    };
    const Case cases[] = {
        {L"/s", SSC_RUN, 0},         {L"-S", SSC_RUN, 0},           {L"s", SSC_RUN, 0},
        {L"/c", SSC_CONFIGURE, 0},   {L"/c:3344", SSC_CONFIGURE, 0}, {L"/p 1234", SSC_PREVIEW, 1234},
        {L"-P   987  ", SSC_PREVIEW, 987}, {L"/a", SSC_PASSWORD, 0}, {L"", SSC_NOTHING, 0},
        {L"/x", SSC_NOTHING, 0},     {L"/", SSC_NOTHING, 0},
    };
    for (const Case& c : cases)
    {
        HWND parent = reinterpret_cast<HWND>(1);
        EXPECT_EQ(c.command, ParseScreenSaverCommand(c.line, parent)) << CString(c.line).ToAnsi();
        EXPECT_EQ(c.parent, reinterpret_cast<INT_PTR>(parent)) << CString(c.line).ToAnsi();
    }
}
