#pragma once
// CSystemCursors: the system cursors through the Windows API, the cursor resources
// from the program's resource module.
#include "capture/selection/ISystemCursors.h"

class CSystemCursors : public ISystemCursors
{
public:
    HCURSOR LoadResourceCursor(UINT resourceId) override;
    HCURSOR CopySystemCursor(DWORD id) override;
    HCURSOR LoadCursorFile(const CString& path) override;
    bool SetSystemCursor(HCURSOR cursor, DWORD id) override;

    // The instance the managers use unless given another.
    static ISystemCursors& Instance();
};
