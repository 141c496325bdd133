#include "capture/destinations/CImageFile.h"

#include "capture/destinations/CaptureTables.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"

DestinationResult CImageFile::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScFile& info = RunInfo();

    CString path = PrepareTargetFile(info.FPath, info.FName, info.FType, info.Overwrite);
    if (path.IsEmpty())
        return DR_FAILED;
    return SaveImage(path, info.FPath, info.FType) ? DR_DONE : DR_FAILED;
}

void CImageFile::CopyPart(const InfoScFile& record, unsigned int part)
{
    InfoScFile& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.FName = record.FName;
        edit.FPath = record.FPath;
        edit.FType = record.FType;
        edit.Overwrite = record.Overwrite;
        break;
    default:
        break;
    }
}
