#include "framework/AppFrameBarState.h"

#include "framework/CDockState.h"
#include "framework/CFrameWnd.h"
#include "framework/CSizingControlBar.h"

bool AppLoadFrameBarState(CFrameWnd& frame, const wchar_t* profileName)
{
    CDockState state;
    state.LoadState(profileName);
    if (!state.FitsFrame(frame))
        return false;
    // The sizing bars first: they move their floating records before the frame reads them.
    CSizingControlBar::GlobalLoadState(&frame, profileName);
    frame.LoadBarState(profileName);
    return true;
}

void AppSaveFrameBarState(CFrameWnd& frame, const wchar_t* profileName)
{
    CSizingControlBar::GlobalSaveState(&frame, profileName);
    frame.SaveBarState(profileName);
}
