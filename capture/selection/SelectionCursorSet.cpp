#include "capture/selection/SelectionCursorSet.h"

namespace
{
// The system cursors a selection replaces, and their value names under
// "Control Panel\Cursors" (32640 has none).
struct SystemCursor
{
    DWORD id;
    const wchar_t* name;
};

const SystemCursor kSystemCursors[SelectionCursorSet::kCursorCount] = {
    {32512, L"Arrow"},       {32513, L"IBeam"},   {32645, L"SizeNS"},  {32644, L"SizeWE"}, {32642, L"SizeNWSE"},
    {32643, L"SizeNESW"},    {32646, L"SizeAll"}, {32640, nullptr},    {32514, L"Wait"},   {32515, L"Crosshair"},
    {32650, L"AppStarting"}, {32648, L"No"},      {32516, L"UpArrow"}, {32649, L"Hand"},
};

const wchar_t kSystemRoot[] = L"%SYSTEMROOT%";
} // namespace

SelectionCursorSet::SelectionCursorSet(ISystemCursors& cursors) : m_cursors(&cursors) {}

SelectionCursorSet::~SelectionCursorSet()
{
    Restore();
}

UINT SelectionCursorSet::ResourceOf(int type)
{
    switch (type)
    {
    case 0:
        return 159;
    case 1:
        return 1084;
    case 2:
    case 3:
        return 1087;
    case 4:
        return 1085;
    case 6:
        return 1086;
    default:
        return 1083;
    }
}

void SelectionCursorSet::Replace()
{
    const UINT resource = ResourceOf(m_type);
    for (int i = 0; i < kCursorCount; ++i)
    {
        if (m_saved[i])
            continue; // already replaced; its kept copy is the user's cursor
        HCURSOR selection = m_cursors->LoadResourceCursor(resource);
        if (!selection)
            continue;
        HCURSOR kept = m_cursors->CopySystemCursor(kSystemCursors[i].id);
        if (!kept)
        {
            // Without a copy the cursor could not be put back: leave it alone.
            DestroyCursor(selection);
            continue;
        }
        m_saved[i] = kept;
        m_cursors->SetSystemCursor(selection, kSystemCursors[i].id);
    }
}

void SelectionCursorSet::Restore()
{
    for (int i = 0; i < kCursorCount; ++i)
    {
        if (!m_saved[i])
            continue;
        HCURSOR kept = m_saved[i];
        m_saved[i] = nullptr;
        CString file = UserCursorFile(i);
        HCURSOR user = file.IsEmpty() ? nullptr : m_cursors->LoadCursorFile(file);
        if (user)
        {
            DestroyCursor(kept);
            m_cursors->SetSystemCursor(user, kSystemCursors[i].id);
        }
        else
        {
            m_cursors->SetSystemCursor(kept, kSystemCursors[i].id);
        }
    }
}

bool SelectionCursorSet::IsReplaced() const
{
    for (HCURSOR saved : m_saved)
        if (saved)
            return true;
    return false;
}

CString SelectionCursorSet::UserCursorFile(int index)
{
    const wchar_t* name = kSystemCursors[index].name;
    if (!name)
        return CString();
    wchar_t value[500] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Cursors", name,
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value, &size) != ERROR_SUCCESS)
        return CString();
    CString file = value;
    if (file.Find(kSystemRoot) < 0)
        return CString();
    wchar_t expanded[1024] = {};
    ExpandEnvironmentStringsW(L"SYSTEMROOT=%SYSTEMROOT%", expanded, 1024);
    const wchar_t* root = wcschr(expanded, L'=') + 1;
    file.Replace(kSystemRoot, root);
    return file;
}
