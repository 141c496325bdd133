#pragma once
// CCmdUI: the state of one menu item while its pop-up menu is about to show, handed to
// the item's update handler so that it can enable, rename or even replace the item.
// A window calls CCmdUI::UpdatePopupMenu on WM_INITMENUPOPUP. Other kinds of items
// (toolbar buttons, status-bar panes) derive from it and act on their own control.
#include "framework/CString.h"
#include <functional>

class CCmdTarget;

class CCmdUI
{
public:
    UINT m_nID = 0;             // the item's command id (for a pop-up item: its first item's id)
    UINT m_nIndex = 0;          // the item's position in m_hMenu
    UINT m_nIndexMax = 0;       // the number of items of m_hMenu
    HMENU m_hMenu = nullptr;    // the menu that holds the item
    HMENU m_hSubMenu = nullptr; // the item's pop-up, when the item opens one
    bool m_bEnableChanged = false;

    virtual ~CCmdUI() = default;
    virtual void Enable(bool on = true);
    // 0 unchecked, 1 checked (2, indeterminate, shows as checked in a menu).
    virtual void SetCheck(int state = 1);
    virtual void SetText(const wchar_t* text);

    // Asks the target's update handler for the item's state. When no update handler took
    // it and disableIfNoHandler is set, the item is enabled exactly when a command handler
    // of the target would take it.
    void DoUpdate(CCmdTarget& target, bool disableIfNoHandler);

    // A handler that inserts or deletes items leaves m_nIndex on the last item it dealt
    // with and m_nIndexMax at the menu's new count.
    using UpdateHandler = std::function<void(CCmdUI& item)>;
    // Offers every item of the pop-up (separators aside) to the handler, in order.
    static void UpdatePopupMenu(HMENU popup, const UpdateHandler& handler);
};
