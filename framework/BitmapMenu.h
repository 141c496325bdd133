#pragma once
// BitmapMenu<Frame>: a frame whose menus show the images of its registered toolbars beside
// the commands (CMenuBitmaps), after the frame's own handling of the pop-up.
#include "framework/CMenuBitmaps.h"

template <class Frame> class BitmapMenu : public Frame
{
public:
    void RegisterToolBar(CToolBar* toolBar) { m_bitmaps.Register(toolBar); }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_INITMENUPOPUP:
        {
            LRESULT result = Frame::WindowProc(message, wParam, lParam);
            if (m_bitmaps.HasToolBars())
                m_bitmaps.PreparePopup(reinterpret_cast<HMENU>(wParam));
            return result;
        }
        case WM_MEASUREITEM:
            if (m_bitmaps.Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        case WM_DRAWITEM:
            if (m_bitmaps.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
                return TRUE;
            break;
        default:
            break;
        }
        return Frame::WindowProc(message, wParam, lParam);
    }

private:
    CMenuBitmaps m_bitmaps;
};
