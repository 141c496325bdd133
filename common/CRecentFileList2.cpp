#include "common/CRecentFileList2.h"

CRecentFileList2::CRecentFileList2(UINT firstCommandId, RecentFileAcceptor acceptor, UINT start, const wchar_t* section,
                                   const wchar_t* entryFormat, int size, int maxDisplayLength)
    : CRecentFileList(start, section, entryFormat, size, maxDisplayLength), m_nFirstCommandId(firstCommandId),
      m_acceptor(acceptor)
{
}

void CRecentFileList2::UpdateMenu(CCmdUI* cmdUI)
{
    if (!cmdUI->m_hSubMenu)
    {
        CRecentFileList::UpdateMenu(cmdUI);
        return;
    }
    CCmdUI parent = *cmdUI;
    cmdUI->m_hMenu = parent.m_hSubMenu;
    cmdUI->m_hSubMenu = nullptr;
    cmdUI->m_nIndex = 0; // the placeholder is the submenu's first item
    cmdUI->m_nIndexMax = static_cast<UINT>(GetMenuItemCount(parent.m_hSubMenu));
    CRecentFileList::UpdateMenu(cmdUI);
    cmdUI->m_hMenu = parent.m_hMenu;
    cmdUI->m_hSubMenu = parent.m_hSubMenu;
    cmdUI->m_nIndex = parent.m_nIndex;
    cmdUI->m_nIndexMax = parent.m_nIndexMax;
}

bool CRecentFileList2::IsAcceptable(const wchar_t* fullPath) const
{
    return m_acceptor && m_acceptor(fullPath);
}
