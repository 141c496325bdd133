#include "framework/CCmdUI.h"

#include "framework/CCmdTarget.h"

void CCmdUI::Enable(bool on)
{
    // A pop-up item has no command id of its own: it is reached by position either way.
    EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    m_bEnableChanged = true;
}

void CCmdUI::SetCheck(int state)
{
    CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (state ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::DoUpdate(CCmdTarget& target, bool disableIfNoHandler)
{
    m_bEnableChanged = false;
    if (target.OnCmdMsg(m_nID, CmdRequest::Update, this))
        return;
    if (disableIfNoHandler && !m_bEnableChanged)
        Enable(target.OnCmdMsg(m_nID, CmdRequest::Probe, nullptr));
}

void CCmdUI::SetText(const wchar_t* text)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(text);
    SetMenuItemInfoW(m_hMenu, m_nIndex, TRUE, &info);
}

void CCmdUI::UpdatePopupMenu(HMENU popup, const UpdateHandler& handler)
{
    CCmdUI item;
    item.m_hMenu = popup;
    item.m_nIndexMax = static_cast<UINT>(GetMenuItemCount(popup));
    for (item.m_nIndex = 0; item.m_nIndex < item.m_nIndexMax; ++item.m_nIndex)
    {
        item.m_hSubMenu = GetSubMenu(popup, static_cast<int>(item.m_nIndex));
        item.m_nID =
            item.m_hSubMenu ? GetMenuItemID(item.m_hSubMenu, 0) : GetMenuItemID(popup, static_cast<int>(item.m_nIndex));
        // Separators (id 0), and pop-ups that open with a pop-up or nothing, have no command.
        if (item.m_nID == 0 || item.m_nID == static_cast<UINT>(-1))
            continue;
        item.m_bEnableChanged = false;
        handler(item);
    }
}
