#pragma once
// CImageFile: the file destination. It writes the captured picture to an image
// file whose folder, base name and type the record gives, either replacing a
// file of that name or choosing a numbered name that does not exist yet.
#include "Info/InfoScFile.h"
#include "capture/destinations/CRecordDestination.h"

class CImageFile : public CRecordDestination<InfoScFile>
{
public:
    CImageFile() = default;

    // Writes the picture to FPath\FName + the extension of FType. DR_DONE when
    // the file was written; DR_FAILED (with the error text set, except when there
    // is no picture) when there is no room, the old file cannot be deleted or the
    // write fails.
    DestinationResult Execute() override;

protected:
    // 1 ShowDlg; 2 FName, FPath, FType, Overwrite; 3 Duration, Frequence.
    void CopyPart(const InfoScFile& record, unsigned int part) override;
};
