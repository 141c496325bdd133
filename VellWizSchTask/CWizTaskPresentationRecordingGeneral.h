#pragma once
// CWizTaskPresentationRecordingGeneral: the first page of a scheduled movie recording:
// the movie file's name, type, folder and whether an existing file is overwritten. Next
// checks the name and makes a missing folder.
#include "Info/InfoPresentationRecording.h"
#include "VellWizSchTask/CWizTaskFilePage.h"

class CWizTaskPresentationRecordingGeneral : public CWizTaskFilePage
{
public:
    CWizTaskPresentationRecordingGeneral(CWizTaskPropSheet& sheet, InfoPresentationRecording& record);

protected:
    void FillFileTypes(HWND combo) const override;
    // The movie takes the type chosen.
    void TakeFileType(int index) override;

private:
    InfoPresentationRecording& m_record;
};
