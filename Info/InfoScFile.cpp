#include "Info/InfoScFile.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

InfoScFile::InfoScFile()
    : InfoScFile(L"VellImage", InfoGlobalFunctions::GetScImageDirectory() + L"\\File", FT_BMP, false, true, 0, 1)
{
}

InfoScFile::InfoScFile(const CString& fName, const CString& fPath, EnumFileType fType, bool overwrite, bool showDlg,
                       int duration, int frequence)
    : FName(fName), FPath(fPath), FType(fType), Overwrite(overwrite), ShowDlg(showDlg), Duration(duration),
      Frequence(frequence)
{
}

InfoScFile::InfoScFile(const InfoScFile& other) = default;
InfoScFile& InfoScFile::operator=(const InfoScFile& other) = default;
InfoScFile::~InfoScFile() = default;

bool InfoScFile::operator==(const InfoScFile& o) const
{
    return FName == o.FName && FPath == o.FPath && FType == o.FType && Overwrite == o.Overwrite &&
           ShowDlg == o.ShowDlg && Duration == o.Duration && Frequence == o.Frequence;
}

RegistryValues InfoScFile::Values()
{
    RegistryValues values(L"ScreenCapture\\File");
    values.Add(L"FName", FName, {2})
        .Add(L"FPath", FPath, {2})
        .Add(L"FType", FType, {2})
        .Add(L"Overwrite", Overwrite, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScFile::LoadFromRegistry()
{
    if (!Values().Load())
        return false;
    InfoPaths::AppendSeparator(FPath);
    return true;
}

bool InfoScFile::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}

CString InfoScFile::GetFullPathFileName() const
{
    return InfoPaths::JoinFileName(FPath, FName, InfoGlobalFunctions::GetFileExtension(FType));
}
