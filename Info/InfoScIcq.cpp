#include "Info/InfoScIcq.h"
#include "Info/RegistryValues.h"

InfoScIcq::InfoScIcq() : InfoScIcq(L"", L"", 0, 0, FT_BMP, false, 0, 1) {}

InfoScIcq::InfoScIcq(const CString& firstName, const CString& lastName, int uid, int ip, EnumFileType fType,
                     bool showDlg, int duration, int frequence)
    : FirstName(firstName), LastName(lastName), UID(uid), IP(ip), FType(fType), ShowDlg(showDlg), Duration(duration),
      Frequence(frequence)
{
}

InfoScIcq::InfoScIcq(const InfoScIcq& other) = default;
InfoScIcq& InfoScIcq::operator=(const InfoScIcq& other) = default;
InfoScIcq::~InfoScIcq() = default;

bool InfoScIcq::operator==(const InfoScIcq& o) const
{
    return FirstName == o.FirstName && LastName == o.LastName && UID == o.UID && IP == o.IP && FType == o.FType &&
           ShowDlg == o.ShowDlg && Duration == o.Duration && Frequence == o.Frequence;
}

RegistryValues InfoScIcq::Values()
{
    RegistryValues values(L"ScreenCapture\\ICQ");
    values.Add(L"FirstName", FirstName, {2})
        .Add(L"LastName", LastName, {2})
        .Add(L"UID", UID, {2})
        .Add(L"IP", IP, {2})
        .Add(L"FType", FType, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScIcq::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScIcq::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
