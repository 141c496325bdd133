#pragma once
// CWizTaskCBTPlaying: the first page of a scheduled training playback: the training
// file, how long it plays and how often it repeats, whether its sound plays and which
// recorded events are skipped. Next takes only an existing ".vtf" file.
#include "Info/InfoCBTPlaying.h"
#include "VellWizSchTask/CWizTaskPlayingPage.h"

class CWizTaskCBTPlaying : public CWizTaskPlayingPage
{
public:
    // record: the playback, whose launch part the next page edits.
    CWizTaskCBTPlaying(CWizTaskPropSheet& sheet, InfoCBTPlaying& record);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckFile() override;

private:
    InfoCBTPlaying& m_record;
};
