#pragma once
// CSCBMiniDockFrameWnd: the floating frame of sizing bars. On its first move it drops its
// caption and system menu and becomes a popup with a thick frame that sizes in every
// direction: the bar's own gripper or caption is its title. Sizing the frame sets the
// bar's floating size; it cannot be made smaller than the bar's floating minimum.
#include "framework/CMiniDockFrameWnd.h"

class CSizingControlBar;

class CSCBMiniDockFrameWnd : public CMiniDockFrameWnd
{
public:
    bool Create(CFrameWnd* dockSite, DWORD barStyle) override;
    // The sizing bar inside; null when the bar inside is of another kind.
    CSizingControlBar* GetSizingControlBar() const;
    // A sizing bar's floating size is the client size plus 4, as a resize of the frame sets it.
    SIZE ClientSizeFor(SIZE barSize) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
