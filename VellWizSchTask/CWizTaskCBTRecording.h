#pragma once
// CWizTaskCBTRecording: the wizard page of a scheduled training recording: the file's
// name and folder, how long it records, whether mouse or keyboard events are skipped and
// an existing file overwritten, and whether sound is recorded with which audio input.
#include "Info/InfoCBTRecording.h"
#include "VellWizSchTask/CWizTaskRecordingPage.h"

class CWizTaskCBTRecording : public CWizTaskRecordingPage
{
public:
    explicit CWizTaskCBTRecording(CWizTaskPropSheet& sheet);

    InfoCBTRecording m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
};
