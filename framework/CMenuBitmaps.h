#pragma once
// CMenuBitmaps: the images of registered toolbars beside the menu commands of the same
// ids. Before a pop-up opens every item gets a callback bitmap (the menu asks its owner
// to measure and draw it) and the menu shows a check mark, when present, in the image's
// place. An item whose command has no toolbar button gets no image.
#include <vector>
#include <windows.h>

class CToolBar;

class CMenuBitmaps
{
public:
    // Adds the toolbar once; the first registered toolbar with a button for a command gives its image.
    void Register(CToolBar* toolBar);
    bool HasToolBars() const { return !m_toolBars.empty(); }

    void PreparePopup(HMENU popup) const;
    // True when the item was a menu item's bitmap (the message is answered).
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;

private:
    // The toolbar with a button for the command, and that button's image; null when none.
    const CToolBar* FindImage(UINT id, int& image) const;

    std::vector<CToolBar*> m_toolBars;
};
