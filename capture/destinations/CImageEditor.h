#pragma once
// CImageEditor: the graphic editor destination. It writes the captured picture to
// a new image file in the screen-capture image folder's "Editor" folder and opens
// that file in the editor program the record names, without waiting for it.
#include "Info/InfoScEditor.h"
#include "capture/destinations/CRecordDestination.h"

class CImageEditor : public CRecordDestination<InfoScEditor>
{
public:
    CImageEditor() = default;

    // Writes the picture to a new "VellImage" file of type FType and starts
    // "FName" "image path". DR_DONE once the editor is started; DR_FAILED (with
    // the error text set, except when there is no picture) when the file is not
    // written or the editor cannot be started.
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 2 FName, FType; 3 Duration, Frequence.
    void CopyPart(const InfoScEditor& record, unsigned int part) override;

private:
    CString m_imagePath; // the file written by the last run
};
