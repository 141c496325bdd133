#pragma once
// CAnimateCtrl: an animation control bound to its object (CWnd). The control itself cannot
// be asked whether it plays on every system, so the object keeps that itself.
#include "framework/CWnd.h"

#include <commctrl.h>

class CAnimateCtrl : public CWnd
{
public:
    // Opens the AVI resource of the resource module; false when there is none.
    bool Open(UINT resourceId);
    // Plays frames from..to (-1: the last), repeat times (-1: for ever).
    bool Play(UINT from = 0, UINT to = static_cast<UINT>(-1), UINT repeat = static_cast<UINT>(-1));
    bool Stop();
    // Shows one frame and leaves the control still.
    bool Seek(UINT frame);
    // Closes the clip; the control shows nothing.
    bool Close();
    bool IsPlaying() const { return m_playing; }

private:
    bool m_playing = false;
};
