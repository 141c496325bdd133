#pragma once
// CWizTaskCBTPlayingLaunch: the second page of a scheduled training playback: the
// program started before the playback, its command line, its window (placed, or
// maximized) and the delay before the playback starts. Without a program only the
// program's edit and its "..." are usable; the window's position and size only while
// "Maximize" is unchecked. Next takes no program or an existing ".exe".
#include "Info/InfoCBTPlaying.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskCBTPlayingLaunch : public CWizTaskPage
{
public:
    CWizTaskCBTPlayingLaunch(CWizTaskPropSheet& sheet, InfoCBTPlaying& record);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    void UpdateEnabling();

    InfoCBTPlaying& m_record;
    // The program text the enabling was last computed for.
    CString m_shownProgram;
};
