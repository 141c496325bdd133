#pragma once
// CPPagePropsCbtRecSound: the sound track of a training recording: whether sound is
// recorded, and its capture device, input pin and format.
#include "capture/pages/CAudioInputLists.h"
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsCbtRecSound : public CPPagePropsCaptureRecord<InfoCBTRecording>
{
public:
    CPPagePropsCbtRecSound();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void OnDestroyWindow() override { m_lists.Release(); }
    void TakeOwnFields(InfoCBTRecording& live, const InfoCBTRecording& copy) override;

private:
    // The lists and their labels are usable exactly while "Record Sound" is checked.
    CAudioInputLists m_lists;
};
