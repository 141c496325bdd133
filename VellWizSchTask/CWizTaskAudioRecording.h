#pragma once
// CWizTaskAudioRecording: the wizard page of a scheduled audio recording: the file's name
// and folder, how long it records, whether an existing file is overwritten, and the audio
// input (device, format, pin). The file type is shown; the record keeps its own.
#include "Info/InfoAudioRecording.h"
#include "VellWizSchTask/CWizTaskRecordingPage.h"

class CWizTaskAudioRecording : public CWizTaskRecordingPage
{
public:
    explicit CWizTaskAudioRecording(CWizTaskPropSheet& sheet);

    InfoAudioRecording m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
};
