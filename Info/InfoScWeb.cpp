#include "Info/InfoScWeb.h"
#include "Info/CSymetricEncrypter.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

namespace
{
const wchar_t kPwd[] = L"Pwd";
}

InfoScWeb::InfoScWeb()
    : InfoScWeb(WS_REMOTE_FTP, L"ftp.example.com", 21, L"MyUserName", L"", L"/", L"VellImage",
                InfoGlobalFunctions::GetScImageDirectory() + L"\\Web", FT_BMP, false, false, 0, 1)
{
}

InfoScWeb::InfoScWeb(EnumWebServer svrType, const CString& hostAddress, int port, const CString& login,
                     const CString& pwd, const CString& webPath, const CString& fName, const CString& fPath,
                     EnumFileType fType, bool overwrite, bool showDlg, int duration, int frequence)
    : SvrType(svrType), HostAddress(hostAddress), Port(port), Login(login), Pwd(pwd), WebPath(webPath), FName(fName),
      FPath(fPath), FType(fType), Overwrite(overwrite), ShowDlg(showDlg), Duration(duration), Frequence(frequence)
{
}

InfoScWeb::InfoScWeb(const InfoScWeb& other) = default;
InfoScWeb& InfoScWeb::operator=(const InfoScWeb& other) = default;
InfoScWeb::~InfoScWeb() = default;

bool InfoScWeb::operator==(const InfoScWeb& o) const
{
    return SvrType == o.SvrType && HostAddress == o.HostAddress && Port == o.Port && Login == o.Login && Pwd == o.Pwd &&
           WebPath == o.WebPath && FName == o.FName && FPath == o.FPath && FType == o.FType &&
           Overwrite == o.Overwrite && ShowDlg == o.ShowDlg && Duration == o.Duration && Frequence == o.Frequence;
}

RegistryValues InfoScWeb::Values()
{
    RegistryValues values(L"ScreenCapture\\Web");
    values.Add(L"SvrType", SvrType, {5})
        .Add(L"HostAddress", HostAddress, {5})
        .Add(L"Port", Port, {5})
        .Add(L"Login", Login, {5})
        .Add(L"WebPath", WebPath, {5})
        .Add(L"FName", FName, {4})
        .Add(L"FPath", FPath, {4})
        .Add(L"FType", FType, {4})
        .Add(L"Overwrite", Overwrite, {4})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScWeb::LoadFromRegistry()
{
    RegistryValues values = Values();
    // The password comes first; like every other value it is changed only when its read
    // succeeded, and a missing one fails the load.
    CByteArray cipher;
    const bool pwdRead = ReadRegistryValue(values.Key(), kPwd, cipher);
    try
    {
        CSymetricEncrypter encrypter;
        if (pwdRead)
            encrypter.Decrypt(cipher, Pwd, true);
    }
    catch (...)
    {
        return false;
    }
    if (!values.Load(pwdRead))
        return false;
    InfoPaths::AppendSeparator(WebPath);
    InfoPaths::AppendSeparator(FPath);
    return true;
}

bool InfoScWeb::SaveToRegistry(unsigned int part)
{
    RegistryValues values = Values();
    bool pwdWritten = true;
    if (part == 0 || part == 5)
    {
        CByteArray cipher;
        try
        {
            CSymetricEncrypter().Encrypt(Pwd, cipher, true);
        }
        catch (...)
        {
            return false;
        }
        pwdWritten = WriteRegistryValue(values.Key(), kPwd, cipher);
    }
    const bool othersWritten = values.Save(part);
    return pwdWritten && othersWritten;
}

CString InfoScWeb::GetFullPathFileName(bool remote) const
{
    CString name, extension, folder;
    InfoGlobalFunctions::SplitFullPath(FName, name, extension, folder);
    const CString typeExtension = InfoGlobalFunctions::GetFileExtension(FType);
    if (remote)
    {
        CString path(WebPath);
        if (path != L"/")
            InfoPaths::RemoveTrailingSeparators(path);
        if (path.IsEmpty() || (path.Right(1) != L"/" && path.Right(1) != L"\\"))
            path += L'/';
        return path + name + typeExtension;
    }
    if (!folder.IsEmpty())
        return FName;
    // An empty local folder gives the bare file name, never a path from the drive's root.
    return InfoPaths::JoinFileName(FPath, name, typeExtension);
}
