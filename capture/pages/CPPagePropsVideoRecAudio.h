#pragma once
// CPPagePropsVideoRecAudio: the sound of a video recording: whether audio is recorded,
// and its capture device, input pin and format.
#include "capture/pages/CAudioInputLists.h"
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsVideoRecAudio : public CPPagePropsCaptureRecord<InfoVideoRecording>
{
public:
    CPPagePropsVideoRecAudio();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void OnDestroyWindow() override { m_lists.Release(); }
    void TakeOwnFields(InfoVideoRecording& live, const InfoVideoRecording& copy) override;

private:
    // The lists and their labels are usable exactly while "Record Audio" is checked.
    CAudioInputLists m_lists;
};
