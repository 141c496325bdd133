#pragma once
// CRecentFileList: a most-recently-used list of file paths kept in the application's
// profile (AppProfile.h): one section, one entry per position, named by a format
// ("File%d" gives File1, File2, ...). The newest path is at index 0.
#include "framework/CArray.h"
#include "framework/CCmdUI.h"
#include "framework/CString.h"

class CRecentFileList
{
public:
    // start: added to the numbers shown before the entries in a menu ("&1" when 0).
    // maxDisplayLength: longer paths are shortened for the menu ("C:\...\dir\file").
    CRecentFileList(UINT start, const wchar_t* section, const wchar_t* entryFormat, int size, int maxDisplayLength);
    CRecentFileList(const CRecentFileList&) = delete;
    CRecentFileList& operator=(const CRecentFileList&) = delete;

    // Removes the entry; the later ones move up.
    virtual void Remove(int index);
    // Puts the path at the top; an entry equal to it (ignoring case) moves up instead of
    // being repeated, and the oldest entry drops off a full list.
    virtual void Add(const wchar_t* pathName);
    // The entry as the menu shows it; false when the entry is empty.
    virtual bool GetDisplayName(CString& name, int index, bool atLeastName = true) const;
    // Replaces the menu's placeholder item (command id = the first id of the list) and the
    // items of an earlier update with one item per entry, "&<n> <display name>", ids from
    // the first id on. An empty list shows the placeholder's own text, disabled.
    virtual void UpdateMenu(CCmdUI* cmdUI);
    virtual void ReadList();
    // Writes every entry; entries that are empty are deleted from the profile.
    virtual void WriteList();
    virtual ~CRecentFileList() = default;

    int GetSize() const { return m_arrNames.GetSize(); }
    const CString& operator[](int index) const { return m_arrNames[index]; }

protected:
    CString EntryName(int index) const;

    UINT m_nStart;
    CString m_strSectionName;
    CString m_strEntryFormat;
    int m_nMaxDisplayLength;
    CString m_strOriginal; // the placeholder item's text, read at the first menu update
    CArray<CString> m_arrNames;
};
