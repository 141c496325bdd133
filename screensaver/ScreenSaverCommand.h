#pragma once
// What the system asks of a screen saver through its command line.
#include <windows.h>

enum ScreenSaverCommand
{
    SSC_RUN = 0,       // full screen
    SSC_CONFIGURE = 1, // the settings dialog
    SSC_PREVIEW = 2,   // a child of the given window
    SSC_PASSWORD = 3,  // change the password
    SSC_NOTHING = 4
};

// Decodes the command line (without the program's name): a leading "/" or "-" is skipped
// and the next letter, in any case, selects S run, C configure, P preview (the rest of
// the line, trimmed, is the parent window's decimal handle) or A change password; an
// empty line or any other letter does nothing.
ScreenSaverCommand ParseScreenSaverCommand(const wchar_t* line, HWND& parent);
