#pragma once
// ISystemCursors: the system cursors a selection replaces, behind one interface so
// that the swap can be followed where the system ignores SetSystemCursor.
#include "framework/CString.h"

#include <windows.h>

class ISystemCursors
{
public:
    virtual ~ISystemCursors() = default;

    // The program's cursor resource; null when it cannot be loaded.
    virtual HCURSOR LoadResourceCursor(UINT resourceId) = 0;
    // A copy of the system cursor of the id (OCR_*); null on failure.
    virtual HCURSOR CopySystemCursor(DWORD id) = 0;
    // A cursor from a .cur or .ani file; null on failure.
    virtual HCURSOR LoadCursorFile(const CString& path) = 0;
    // Makes the cursor the system cursor of the id; the cursor is then the system's
    // (SetSystemCursor destroys it), also on failure.
    virtual bool SetSystemCursor(HCURSOR cursor, DWORD id) = 0;
};
