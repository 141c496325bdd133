#pragma once
// CPPagePropsCbtPlayingLaunch: the application a training playback starts first: its
// file and command line, its window (or maximized) and the delay before playing.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsCbtPlayingLaunch : public CPPagePropsCaptureRecord<InfoCBTPlaying>
{
public:
    CPPagePropsCbtPlayingLaunch();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void TakeOwnFields(InfoCBTPlaying& live, const InfoCBTPlaying& copy) override;

private:
    // Without an application only its edit and "..." are usable; the position and size
    // only while the window is not maximized.
    void UpdateEnabling();

    CTtEdit m_application, m_commandLine;
    CNumberEdit m_window[4];
    CNumberEdit m_delay;
    // The application text the enabling was last computed for.
    CString m_shownApplication;
};
