#pragma once
// CWizTaskPresentationRecordingGeneral: the first page of a scheduled movie recording:
// the movie file's name, type, folder and whether an existing file is overwritten. Next
// checks the name and makes a missing folder.
#include "Info/InfoPresentationRecording.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskPresentationRecordingGeneral : public CWizTaskPage
{
public:
    CWizTaskPresentationRecordingGeneral(CWizTaskPropSheet& sheet, InfoPresentationRecording& record);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    InfoPresentationRecording& m_record;
};
