#pragma once
// CPPagePropsCbtPlaying: the training file to play, how long and how many times, its
// sound, and which events are left out.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsCbtPlaying : public CPPagePropsCaptureRecord<InfoCBTPlaying>
{
public:
    CPPagePropsCbtPlaying();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void TakeOwnFields(InfoCBTPlaying& live, const InfoCBTPlaying& copy) override;

private:
    CTtEdit m_file;
    CNumberEdit m_duration[3];
    CNumberEdit m_repeat;
};
