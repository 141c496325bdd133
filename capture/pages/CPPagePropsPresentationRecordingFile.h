#pragma once
// CPPagePropsPresentationRecordingFile: the file of a movie recording: name, type,
// folder and whether an existing file is overwritten.
#include "capture/pages/CPPagePropsCaptureRecord.h"

class CPPagePropsPresentationRecordingFile : public CPPagePropsCaptureRecord<InfoPresentationRecording>
{
public:
    CPPagePropsPresentationRecordingFile();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    void TakeOwnFields(InfoPresentationRecording& live, const InfoPresentationRecording& copy) override;

private:
    CTtEdit m_name, m_path;
};
