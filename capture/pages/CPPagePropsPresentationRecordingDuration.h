#pragma once
// CPPagePropsPresentationRecordingDuration: how long a movie recording lasts, how often
// it takes a frame ("Recording each" so many seconds, or "Manual": on demand) and the
// movie's frame rate. Without a duration the frequency does not apply.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsPresentationRecordingDuration : public CPPagePropsCaptureRecord<InfoPresentationRecording>
{
public:
    CPPagePropsPresentationRecordingDuration();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void TakeOwnFields(InfoPresentationRecording& live, const InfoPresentationRecording& copy) override;

private:
    // "Recording each" (minimum 1) or "Manual" (0) in the radio buttons, the frequency
    // edit's range and its spin; the frequency shown is value.
    void ShowFrequencyMode(bool each, int value);
    void UpdateEnabling();

    CNumberEdit m_duration[3];
    CNumberEdit m_frequency;
    CNumberEdit m_frameRate;
};
