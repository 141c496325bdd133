// The socket header comes first: Winsock 2 must be declared before windows.h.
#include "framework/CSocket.h"

#include "capture/destinations/CImageEmail.h"
#include "common/CQuickSmtp.h"
#include "common/PathHelpers.h"
#include "common/TextHelpers.h"
#include "framework/CWaitCursor.h"

namespace
{
const wchar_t kEmailFolder[] = L"\\Email";

// The first IPv4 address of this computer's name, "%d.%d.%d.%d"; empty when the
// name cannot be resolved.
CString LocalAddress()
{
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &length))
        return CString();
    const hostent* host = gethostbyname(CString(name).ToAnsi().c_str());
    if (host == nullptr || host->h_addrtype != AF_INET || host->h_addr_list[0] == nullptr)
        return CString();
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(host->h_addr_list[0]);
    CString address;
    address.Format(L"%d.%d.%d.%d", bytes[0], bytes[1], bytes[2], bytes[3]);
    return address;
}
} // namespace

DestinationResult CImageEmail::Execute()
{
    if (!CanExecute())
        return DR_FAILED;
    const InfoScEmail& info = RunInfo();

    // Every run writes a file of its own: a mailed link must keep naming the
    // picture it was sent with. The save creates the folder on first use.
    CString folder = info.Attached ? CString(kEmailFolder) : InfoScEmail::GetIISRootImageDirectory();
    m_imagePath.Empty();
    if (!SaveImage(m_imagePath, folder, info.FType))
        return DR_FAILED;
    if (!FileExists(m_imagePath))
    {
        m_errorText.Format(L"Image file '%s' missing.", m_imagePath.GetString());
        return DR_FAILED;
    }
    return Send();
}

DestinationResult CImageEmail::Send()
{
    const InfoScEmail& info = RunInfo();
    CWaitCursor wait;
    CString thrown;
    try
    {
        CQuickSmtp smtp;
        smtp.Create();
        smtp.Connect(info.Server);
        CArray<CString> to, cc, images, noNames;
        SplitString(info.To, L",", to, false);
        SplitString(info.CC, L",", cc, false);
        images.Add(info.Attached ? m_imagePath : MakeImageLink());
        smtp.SendMail(info.From, info.From, to, noNames, cc, noNames, info.Subject, info.Body, images, !info.Attached);
        smtp.Quit();
        return DR_DONE;
    }
    catch (const wchar_t* text)
    {
        thrown = text;
    }
    catch (const CString& text)
    {
        thrown = text;
    }
    m_errorText.Format(L"Failure sending the image file '%s' by email. Error: %s", m_imagePath.GetString(),
                       thrown.GetString());
    return DR_FAILED;
}

CString CImageEmail::MakeImageLink() const
{
    CString name, extension, folder;
    SplitPath(m_imagePath, name, extension, folder);
    CString link;
    link.Format(L"http://%s//images//%s", LocalAddress().GetString(), (name + extension).GetString());
    return link;
}

void CImageEmail::CopyPart(const InfoScEmail& record, unsigned int part)
{
    InfoScEmail& edit = EditInfo();
    switch (part)
    {
    case 1:
        edit.Display = record.Display;
        break;
    case 4:
        edit.Server = record.Server;
        edit.From = record.From;
        edit.To = record.To;
        edit.CC = record.CC;
        break;
    case 5:
        edit.Subject = record.Subject;
        edit.Body = record.Body;
        edit.Attached = record.Attached;
        edit.FType = record.FType;
        break;
    default:
        break;
    }
}
