#pragma once
// CPPagePropsCbtRecEventFile: the event file of a training recording: name, folder,
// duration, overwriting and which events are left out.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsCbtRecEventFile : public CPPagePropsCaptureRecord<InfoCBTRecording>
{
public:
    CPPagePropsCbtRecEventFile();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void TakeOwnFields(InfoCBTRecording& live, const InfoCBTRecording& copy) override;

private:
    CTtEdit m_name, m_path;
    CNumberEdit m_duration[3];
};
