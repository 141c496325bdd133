#include "capture/CImageFile.h"

#include "capture/CaptureTables.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"

DestinationResult CImageFile::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScFile& info = RunInfo();

    CString path = info.FPath;
    AddTrailingSlash(path);
    path += info.FName + GetImageFileExtension(info.FType);

    // The room asked for is the picture's size in bytes; the check also creates a
    // missing folder.
    if (!CheckFreeDiskSpace(path, GetPictureByteSize(), m_errorText))
        return DR_FAILED;

    if (FileExists(path))
    {
        if (info.Overwrite)
        {
            if (!DeleteFileW(path))
            {
                m_errorText.Format(L"The existing file, '%s', cannot be deleted. System error: %s", path.GetString(),
                                   GetLastErrorText().GetString());
                return DR_FAILED;
            }
        }
        else
        {
            CString name, extension, folder;
            SplitPath(path, name, extension, folder);
            path = MakeUniqueFileName(folder, info.FName, info.FType, OFK_IMAGE);
        }
    }
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
    case 3:
        edit.Duration = record.Duration;
        edit.Frequence = record.Frequence;
        break;
    default:
        break;
    }
}
