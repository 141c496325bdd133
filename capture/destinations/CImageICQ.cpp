#include "capture/destinations/CImageICQ.h"

#include "common/PathHelpers.h"

namespace
{
const wchar_t kIcqFolder[] = L"\\ICQ";
}

DestinationResult CImageICQ::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScIcq& info = RunInfo();

    // The save creates the ICQ folder on first use.
    if (!SaveImage(m_imagePath, kIcqFolder, info.FType))
        return DR_FAILED;
    if (!FileExists(m_imagePath))
    {
        m_errorText.Format(L"Image file '%s' missing.", m_imagePath.GetString());
        return DR_FAILED;
    }
    if (!m_api.ICQAPICall_SendFile(info.UID, m_imagePath.ToAnsi().c_str()))
    {
        m_errorText = L"The ICQ send file operation failed. Possible error(s): ICQ disconnected, shut down, "
                      L"unistalled or the ICQ user removed from the list.";
        return DR_FAILED;
    }
    return DR_DONE;
}

void CImageICQ::CopyPart(const InfoScIcq& record, unsigned int part)
{
    InfoScIcq& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 2:
        edit.FirstName = record.FirstName;
        edit.LastName = record.LastName;
        edit.UID = record.UID;
        edit.IP = record.IP;
        edit.FType = record.FType;
        break;
    default:
        break;
    }
}
