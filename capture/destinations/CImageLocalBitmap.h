#pragma once
// CImageLocalBitmap: what the screen-saver and wallpaper destinations share. Both
// write the captured picture as a Windows bitmap named by the record's Name into
// a folder below the screen-capture image folder; when a file of that name is
// there already, Unique chooses the first free numbered name, otherwise the old
// file is replaced.
#include "Info/InfoGlobalFunctions.h"
#include "capture/destinations/CRecordDestination.h"
#include "capture/destinations/CaptureTables.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"

template <class Record> class CImageLocalBitmap : public CRecordDestination<Record>
{
protected:
    CImageLocalBitmap() = default;

    // Writes the picture into GetScImageDirectory() + subFolder (e.g.
    // "\Wallpaper"). True with the path of the file written; false with the error
    // text set (none when there is no picture) when there is no room, the old
    // file cannot be deleted or the picture was not written.
    bool WriteBitmap(const wchar_t* subFolder, CString& path)
    {
        if (!this->CanExecute())
            return false;
        const Record& info = this->RunInfo();
        CString folder = InfoGlobalFunctions::GetScImageDirectory() + subFolder;
        path = folder + L"\\" + info.Name + L".bmp";

        // The room asked for is the picture's size in bytes; the check also creates
        // a missing folder.
        if (!CheckFreeDiskSpace(path, this->GetPictureByteSize(), this->m_errorText))
            return false;
        if (FileExists(path))
        {
            if (info.Unique)
            {
                path = MakeUniqueFileName(folder, info.Name, FT_BMP, OFK_IMAGE);
            }
            else if (!DeleteFileW(path))
            {
                this->m_errorText.Format(L"The existing file, '%s', cannot be deleted. System error: %s",
                                         path.GetString(), GetLastErrorText().GetString());
                return false;
            }
        }
        if (this->SaveImage(path, folder, FT_BMP))
            return true;
        this->m_errorText.Format(L"There was a failure saving the image to the disk file '%s'. Possible cause: the "
                                 L"file name or the file type is invalid.",
                                 path.GetString());
        return false;
    }
};
