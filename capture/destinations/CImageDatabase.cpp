#include "capture/destinations/CImageDatabase.h"

#include "capture/destinations/CRecsetImageDb.h"
#include "capture/destinations/CaptureTables.h"
#include "framework/CFile.h"
#include <new>

namespace
{
// The whole file; false with the system's reason.
bool ReadWholeFile(const CString& path, std::vector<BYTE>& bytes, CString& reason)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead, reason))
        return false;
    bytes.assign(static_cast<size_t>(file.GetLength()), 0);
    UINT read = 0;
    if (!bytes.empty() && (!file.Read(bytes.data(), static_cast<UINT>(bytes.size()), read) || read != bytes.size()))
    {
        reason = file.GetErrorText();
        if (reason.IsEmpty())
            reason.Format(L"The file '%s' ended before all of it was read.", path.GetString());
        return false;
    }
    return true;
}
} // namespace

DestinationResult CImageDatabase::Execute()
{
    if (!CanExecute())
        return DR_FAILED;

    const CString folder = GetLogDirectory();
    CString path = MakeUniqueFileName(folder, L"capt", FT_BMP, OFK_IMAGE);
    bool saved = SaveImage(path, folder, FT_BMP);
    CString reason;
    bool inserted = false;
    if (saved)
    {
        try
        {
            inserted = InsertRow(path, reason);
        }
        catch (const std::bad_alloc& error)
        {
            reason = CString(error.what());
        }
    }
    // The temporary file goes on every outcome, a partly written one too.
    DeleteFileW(path);
    if (!saved)
        return DR_FAILED;
    if (!inserted)
    {
        m_errorText.Format(L"The specified query failed. Error: %s", reason.GetString());
        return DR_FAILED;
    }
    return DR_DONE;
}

bool CImageDatabase::InsertRow(const CString& imagePath, CString& reason) const
{
    const InfoScDatabase& info = RunInfo();
    CStringList names, values;
    CList<int> types;
    info.ParseExtraColInfo(names, types, values);

    CDatabase database;
    if (!database.OpenEx(info.ConnStr))
    {
        reason = database.GetErrorText();
        return false;
    }
    CRecsetImageDb recordset(&database, info.Table, info.BlobCol);
    POSITION type = types.GetHeadPosition();
    for (const CString& name : names)
    {
        // A column without a type code is a text column.
        if (!recordset.AddExtraColumn(name, type ? types.GetNext(type) : CRecsetImageDb::CT_TEXT))
        {
            reason = recordset.GetErrorText();
            return false;
        }
    }

    std::vector<BYTE> picture;
    if (!ReadWholeFile(imagePath, picture, reason))
        return false;
    recordset.SetLongBinary(std::move(picture));
    if (!recordset.Open() || !recordset.AddNew() || !recordset.SetExtraValues(values) || !recordset.Update())
    {
        reason = recordset.GetErrorText();
        return false;
    }
    return true;
}

void CImageDatabase::CopyPart(const InfoScDatabase& record, unsigned int part)
{
    InfoScDatabase& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.Display = record.Display;
        break;
    case 2:
        edit.ConnStr = record.ConnStr;
        edit.Table = record.Table;
        edit.BlobCol = record.BlobCol;
        edit.ExtraColInfo = record.ExtraColInfo;
        break;
    default:
        break;
    }
}
