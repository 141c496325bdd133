#pragma once
// CRecentFileList2: a recent-file list with its own range of menu command ids (one per
// entry, from the first id on) and its own test of which files belong to it.
#include "framework/CRecentFileList.h"

// Takes a full path; true when the file belongs to the list.
using RecentFileAcceptor = bool (*)(const wchar_t* fullPath);

class CRecentFileList2 : public CRecentFileList
{
public:
    CRecentFileList2(UINT firstCommandId, RecentFileAcceptor acceptor, UINT start, const wchar_t* section,
                     const wchar_t* entryFormat, int size, int maxDisplayLength);

    // Also fills a pop-up submenu whose first item is the list's placeholder: the update
    // then runs on the submenu, and the parent menu is put back afterwards.
    void UpdateMenu(CCmdUI* cmdUI) override;

    virtual bool IsAcceptable(const wchar_t* fullPath) const;

    UINT GetFirstCommandId() const { return m_nFirstCommandId; }

private:
    UINT m_nFirstCommandId;
    RecentFileAcceptor m_acceptor;
};
