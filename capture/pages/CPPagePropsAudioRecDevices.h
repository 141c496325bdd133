#pragma once
// CPPagePropsAudioRecDevices: the input of an audio recording: capture device, its
// input pin and the capture format, and whether the input is heard while recording.
#include "capture/pages/CAudioInputLists.h"
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsAudioRecDevices : public CPPagePropsCaptureRecord<InfoAudioRecording>
{
public:
    CPPagePropsAudioRecDevices();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void OnDestroyWindow() override { m_lists.Release(); }
    void TakeOwnFields(InfoAudioRecording& live, const InfoAudioRecording& copy) override;

private:
    CAudioInputLists m_lists;
};
