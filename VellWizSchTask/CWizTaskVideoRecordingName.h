#pragma once
// CWizTaskVideoRecordingName: the first page of a scheduled video recording: the video
// file's name, folder and whether an existing file is overwritten. The type list shows
// the record's type, which the recording keeps. Next checks the name and makes a
// missing folder.
#include "Info/InfoVideoRecording.h"
#include "VellWizSchTask/CWizTaskFilePage.h"

class CWizTaskVideoRecordingName : public CWizTaskFilePage
{
public:
    CWizTaskVideoRecordingName(CWizTaskPropSheet& sheet, InfoVideoRecording& record);

protected:
    void FillFileTypes(HWND combo) const override;

private:
    InfoVideoRecording& m_record;
};
