#include "screensaver/ScreenSaverCommand.h"

#include "framework/CString.h"
#include <cwctype>

ScreenSaverCommand ParseScreenSaverCommand(const wchar_t* line, HWND& parent)
{
    parent = nullptr;
    if (!line || !*line)
        return SSC_NOTHING;
    if (*line == L'/' || *line == L'-')
        ++line;
    switch (towupper(*line))
    {
    case L'S':
        return SSC_RUN;
    case L'C':
        return SSC_CONFIGURE;
    case L'A':
        return SSC_PASSWORD;
    case L'P': {
        CString rest(line + 1);
        rest.Trim();
        parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(_wtol(rest)));
        return SSC_PREVIEW;
    }
    default:
        return SSC_NOTHING;
    }
}
