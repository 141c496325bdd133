#pragma once
// CCmdUI: the state of one menu item while its pop-up menu is about to show, handed to
// the item's update handler so that it can enable, rename or even replace the item.
// A window calls CCmdUI::UpdatePopupMenu on WM_INITMENUPOPUP.
#include "framework/CString.h"
#include <functional>

class CCmdUI
{
public:
    UINT m_nID = 0;             // the item's command id (for a pop-up item: its first item's id)
    UINT m_nIndex = 0;          // the item's position in m_hMenu
    UINT m_nIndexMax = 0;       // the number of items of m_hMenu
    HMENU m_hMenu = nullptr;    // the menu that holds the item
    HMENU m_hSubMenu = nullptr; // the item's pop-up, when the item opens one
    bool m_bEnableChanged = false;

    void Enable(bool on = true);
    void SetText(const wchar_t* text);

    // A handler that inserts or deletes items leaves m_nIndex on the last item it dealt
    // with and m_nIndexMax at the menu's new count.
    using UpdateHandler = std::function<void(CCmdUI& item)>;
    // Offers every item of the pop-up (separators aside) to the handler, in order.
    static void UpdatePopupMenu(HMENU popup, const UpdateHandler& handler);
};
