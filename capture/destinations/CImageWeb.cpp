#include "capture/destinations/CImageWeb.h"

#include "capture/destinations/CaptureTables.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/CFtpConnection.h"
#include "framework/CInternetSession.h"

namespace
{
const DWORD kTimeoutMs = 10000;

// The server folder of WebPath: "/" as it is, any other text without its
// trailing separators and with one "/" appended.
CString GetRemoteFolder(const CString& webPath)
{
    if (webPath == L"/")
        return webPath;
    CString folder = webPath;
    folder.TrimRight(L"/\\");
    return folder + L"/";
}

// Makes the folder current, creating it (one level) when it is missing.
bool EnterFolder(CFtpConnection& ftp, const CString& folder)
{
    return ftp.SetCurrentDirectory(folder) || (ftp.CreateDirectory(folder) && ftp.SetCurrentDirectory(folder));
}
} // namespace

DestinationResult CImageWeb::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScWeb& info = RunInfo();

    CString path = PrepareTargetFile(info.FPath, info.FName, info.FType, info.Overwrite);
    if (path.IsEmpty())
        return DR_FAILED;
    if (!SaveImage(path, info.FPath, info.FType))
    {
        m_errorText.Format(L"There was a failure saving the image to the disk file '%s'. Possible cause: the file "
                           L"name or the file type is invalid.",
                           path.GetString());
        return DR_FAILED;
    }

    InfoScWeb written(info);
    written.FName = path;
    if (written.SvrType == WS_REMOTE_FTP && !Upload(written))
        return DR_FAILED;
    return DR_DONE;
}

bool CImageWeb::Upload(const InfoScWeb& record)
{
    CInternetSession session(nullptr, 1, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, kTimeoutMs);
    session.SetOption(INTERNET_OPTION_SEND_TIMEOUT, kTimeoutMs);

    std::unique_ptr<CFtpConnection> ftp = session.GetFtpConnection(record.HostAddress, record.Login, record.Pwd,
                                                                   static_cast<INTERNET_PORT>(record.Port), false);
    if (!ftp)
    {
        m_errorText = session.GetErrorText();
        return false;
    }
    bool sent =
        EnterFolder(*ftp, GetRemoteFolder(record.WebPath)) &&
        ftp->PutFile(record.GetFullPathFileName(false), record.GetFullPathFileName(true), FTP_TRANSFER_TYPE_BINARY, 1);
    if (!sent)
        m_errorText = ftp->GetErrorText();
    // The connection goes before its session.
    ftp.reset();
    session.Close();
    return sent;
}

void CImageWeb::CopyPart(const InfoScWeb& record, unsigned int part)
{
    InfoScWeb& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.ShowDlg = record.ShowDlg;
        break;
    case 4:
        edit.FName = record.FName;
        edit.FPath = record.FPath;
        edit.FType = record.FType;
        edit.Overwrite = record.Overwrite;
        break;
    case 5:
        edit.HostAddress = record.HostAddress;
        edit.Port = record.Port;
        edit.Login = record.Login;
        edit.Pwd = record.Pwd;
        edit.WebPath = record.WebPath;
        break;
    default:
        break;
    }
}
