#pragma once
// CPPagePropsVideoRecDevice: the video device of a video recording, its frame rate, and
// whether and where the recording is previewed.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsVideoRecDevice : public CPPagePropsCaptureRecord<InfoVideoRecording>
{
public:
    CPPagePropsVideoRecDevice();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void OnDestroyWindow() override;
    void TakeOwnFields(InfoVideoRecording& live, const InfoVideoRecording& copy) override;

private:
    // The preview window's items are usable while "Preview recording" is checked.
    void UpdateEnabling();

    CNumberEdit m_frameRate;
    CNumberEdit m_window[4];
};
