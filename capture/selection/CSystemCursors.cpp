#include "capture/selection/CSystemCursors.h"

#include "framework/AppModule.h"

HCURSOR CSystemCursors::LoadResourceCursor(UINT resourceId)
{
    return static_cast<HCURSOR>(
        LoadImageW(AppGetResourceHandle(), MAKEINTRESOURCEW(resourceId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}

HCURSOR CSystemCursors::CopySystemCursor(DWORD id)
{
    HCURSOR current = LoadCursorW(nullptr, MAKEINTRESOURCEW(id));
    return current ? static_cast<HCURSOR>(CopyIcon(current)) : nullptr;
}

HCURSOR CSystemCursors::LoadCursorFile(const CString& path)
{
    return LoadCursorFromFileW(path);
}

bool CSystemCursors::SetSystemCursor(HCURSOR cursor, DWORD id)
{
    return ::SetSystemCursor(cursor, id) != FALSE;
}

ISystemCursors& CSystemCursors::Instance()
{
    static CSystemCursors cursors;
    return cursors;
}
