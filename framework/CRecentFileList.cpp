#include "framework/CRecentFileList.h"
#include "framework/AppProfile.h"

namespace
{
// The length of the root that a shortened path keeps: "C:\" or "\\server\share\".
int RootLength(const CString& path)
{
    if (path.Left(2) == L"\\\\")
    {
        int server = path.Find(L'\\', 2);
        int share = server < 0 ? -1 : path.Find(L'\\', server + 1);
        return share < 0 ? 0 : share + 1;
    }
    return path.GetLength() >= 3 && path[1] == L':' ? 3 : 0;
}

// Shortens a path to maxLength by putting "..." in place of its first folders; when even
// "root\...\name" is too long, the name alone (atLeastName) or nothing is left.
CString AbbreviatePath(const CString& path, int maxLength, bool atLeastName)
{
    if (maxLength <= 0 || path.GetLength() <= maxLength)
        return path;
    CString root = path.Left(RootLength(path));
    for (int pos = path.Find(L'\\', root.GetLength()); pos >= 0; pos = path.Find(L'\\', pos + 1))
    {
        CString shortened = root + L"...\\" + path.Mid(pos + 1);
        if (shortened.GetLength() <= maxLength)
            return shortened;
    }
    return atLeastName ? path.Mid(path.ReverseFind(L'\\') + 1) : CString();
}
} // namespace

CRecentFileList::CRecentFileList(UINT start, const wchar_t* section, const wchar_t* entryFormat, int size,
                                 int maxDisplayLength)
    : m_nStart(start), m_strSectionName(section), m_strEntryFormat(entryFormat), m_nMaxDisplayLength(maxDisplayLength)
{
    m_arrNames.SetSize(size);
}

CString CRecentFileList::EntryName(int index) const
{
    CString name;
    name.Format(m_strEntryFormat, index + 1);
    return name;
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= GetSize())
        return;
    m_arrNames.RemoveAt(index);
    m_arrNames.Add(CString());
}

void CRecentFileList::Add(const wchar_t* pathName)
{
    if (GetSize() == 0 || !pathName || !*pathName)
        return;
    int found = GetSize() - 1; // a new path pushes the oldest entry out
    for (int i = 0; i < GetSize(); ++i)
        if (m_arrNames[i].CompareNoCase(pathName) == 0)
        {
            found = i;
            break;
        }
    m_arrNames.RemoveAt(found);
    m_arrNames.InsertAt(0, CString(pathName));
}

bool CRecentFileList::GetDisplayName(CString& name, int index, bool atLeastName) const
{
    if (index < 0 || index >= GetSize() || m_arrNames[index].IsEmpty())
        return false;
    name = AbbreviatePath(m_arrNames[index], m_nMaxDisplayLength, atLeastName);
    return true;
}

void CRecentFileList::UpdateMenu(CCmdUI* cmdUI)
{
    HMENU menu = cmdUI->m_hMenu;
    if (!menu)
        return;
    if (m_strOriginal.IsEmpty())
    {
        wchar_t text[256] = L"";
        GetMenuStringW(menu, cmdUI->m_nIndex, text, ARRAYSIZE(text), MF_BYPOSITION);
        m_strOriginal = text;
    }
    // The items of an earlier update go; the one at m_nIndex stays as the placeholder.
    for (int i = 1; i < GetSize(); ++i)
        DeleteMenu(menu, cmdUI->m_nID + i, MF_BYCOMMAND);
    if (GetSize() == 0 || m_arrNames[0].IsEmpty())
    {
        cmdUI->SetText(m_strOriginal);
        cmdUI->Enable(false);
        cmdUI->m_nIndexMax = static_cast<UINT>(GetMenuItemCount(menu));
        return;
    }
    DeleteMenu(menu, cmdUI->m_nIndex, MF_BYPOSITION);
    CString name;
    for (int i = 0; i < GetSize() && GetDisplayName(name, i); ++i)
    {
        name.Replace(L"&", L"&&"); // a path's "&" is not an accelerator
        CString text;
        text.Format(L"&%d %s", static_cast<int>(m_nStart) + i + 1, name.GetString());
        InsertMenuW(menu, cmdUI->m_nIndex++, MF_BYPOSITION | MF_STRING, cmdUI->m_nID + i, text);
    }
    cmdUI->m_nIndex--;
    cmdUI->m_nIndexMax = static_cast<UINT>(GetMenuItemCount(menu));
    cmdUI->m_bEnableChanged = true;
}

void CRecentFileList::ReadList()
{
    for (int i = 0; i < GetSize(); ++i)
        m_arrNames[i] = AppGetProfileString(m_strSectionName, EntryName(i), L"");
}

void CRecentFileList::WriteList()
{
    for (int i = 0; i < GetSize(); ++i)
    {
        const CString& name = m_arrNames[i];
        AppWriteProfileString(m_strSectionName, EntryName(i), name.IsEmpty() ? nullptr : name.GetString());
    }
}
