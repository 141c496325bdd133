#pragma once
// CWizTaskVideoRecordingDevices: the second page of a scheduled video recording: the
// video device, its frame rate, how long it records, the preview window (shown or not,
// where and how big) and the audio recorded with it (recorded or not, and its input).
#include "Info/InfoVideoRecording.h"
#include "VellWizSchTask/CWizTaskRecordingPage.h"

class CWizTaskVideoRecordingDevices : public CWizTaskRecordingPage
{
public:
    // record: the video recording whose file the page before edits.
    CWizTaskVideoRecordingDevices(CWizTaskPropSheet& sheet, InfoVideoRecording& record);
    ~CWizTaskVideoRecordingDevices() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CheckNext() override;

private:
    void FillVideoDevices();
    void EnablePreviewWindow(bool enable);
    bool TakePreviewWindow();

    InfoVideoRecording& m_record;
};
