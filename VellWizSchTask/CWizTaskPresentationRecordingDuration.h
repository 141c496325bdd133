#pragma once
// CWizTaskPresentationRecordingDuration: the second page of a scheduled movie recording:
// how long it records, how often it takes a frame and the movie's frame rate. Next
// requires a duration.
#include "Info/InfoPresentationRecording.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskPresentationRecordingDuration : public CWizTaskPage
{
public:
    CWizTaskPresentationRecordingDuration(CWizTaskPropSheet& sheet, InfoPresentationRecording& record);

protected:
    BOOL OnInitDialog() override;
    bool CheckNext() override;

private:
    InfoPresentationRecording& m_record;
};
