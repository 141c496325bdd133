#include "Info/InfoScFax.h"
#include "Info/RegistryValues.h"

InfoScFax::InfoScFax()
    : InfoScFax(L"", L"", L"", L"", L"", L"This image was created by Vellumor", L"Image created by Vellumor",
                L"C:\\Documents and Settings\\All Users\\Documents\\My Faxes\\Common Coverpages\\confdent.cov", false,
                false, 0, 1)
{
}

InfoScFax::InfoScFax(const CString& svrName, const CString& recNumber, const CString& recName,
                     const CString& recCompany, const CString& recDepartment, const CString& note,
                     const CString& subject, const CString& coverPageName, bool useCoverPage, bool showDlg,
                     int duration, int frequence)
    : SvrName(svrName), RecNumber(recNumber), RecName(recName), RecCompany(recCompany), RecDepartment(recDepartment),
      UseCoverPage(useCoverPage), CoverPageName(coverPageName), Note(note), Subject(subject), FType(0),
      ShowDlg(showDlg), Duration(duration), Frequence(frequence)
{
}

InfoScFax::InfoScFax(const InfoScFax& other) = default;
InfoScFax& InfoScFax::operator=(const InfoScFax& other) = default;
InfoScFax::~InfoScFax() = default;

bool InfoScFax::operator==(const InfoScFax& o) const
{
    return SvrName == o.SvrName && RecNumber == o.RecNumber && RecName == o.RecName && RecCompany == o.RecCompany &&
           RecDepartment == o.RecDepartment && UseCoverPage == o.UseCoverPage && CoverPageName == o.CoverPageName &&
           Note == o.Note && Subject == o.Subject && FType == o.FType && ShowDlg == o.ShowDlg &&
           Duration == o.Duration && Frequence == o.Frequence;
}

// The stored values in load order, which is not the order of the fields; FType is not stored.
RegistryValues InfoScFax::Values()
{
    RegistryValues values(L"ScreenCapture\\Fax");
    values.Add(L"SvrName", SvrName, {4})
        .Add(L"RecName", RecName, {4})
        .Add(L"RecNumber", RecNumber, {4})
        .Add(L"RecCompany", RecCompany, {4})
        .Add(L"RecDepartment", RecDepartment, {4})
        .Add(L"Note", Note, {5})
        .Add(L"Subject", Subject, {5})
        .Add(L"CoverPageName", CoverPageName, {5})
        .Add(L"UseCoverPage", UseCoverPage, {5})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScFax::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScFax::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
