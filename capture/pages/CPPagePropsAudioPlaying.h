#pragma once
// CPPagePropsAudioPlaying: the audio file to play, how long and how many times.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsAudioPlaying : public CPPagePropsCaptureRecord<InfoAudioPlaying>
{
public:
    CPPagePropsAudioPlaying();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    CTtEdit m_file;
    CNumberEdit m_duration[3];
    CNumberEdit m_repeat;
};
