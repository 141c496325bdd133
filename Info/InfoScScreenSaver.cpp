#include "Info/InfoScScreenSaver.h"
#include "Info/RegistryValues.h"

InfoScScreenSaver::InfoScScreenSaver() : InfoScScreenSaver(L"Vellumor Screen Saver", true, false, false, 0, 1) {}

InfoScScreenSaver::InfoScScreenSaver(const CString& name, bool unique, bool makeCurrent, bool showDlg, int duration,
                                     int frequence)
    : Name(name), Unique(unique), MakeCurrent(makeCurrent), ShowDlg(showDlg), Duration(duration), Frequence(frequence)
{
}

InfoScScreenSaver::InfoScScreenSaver(const InfoScScreenSaver& other) = default;
InfoScScreenSaver& InfoScScreenSaver::operator=(const InfoScScreenSaver& other) = default;
InfoScScreenSaver::~InfoScScreenSaver() = default;

bool InfoScScreenSaver::operator==(const InfoScScreenSaver& o) const
{
    return Name == o.Name && Unique == o.Unique && MakeCurrent == o.MakeCurrent && ShowDlg == o.ShowDlg &&
           Duration == o.Duration && Frequence == o.Frequence;
}

RegistryValues InfoScScreenSaver::Values()
{
    RegistryValues values(L"ScreenCapture\\ScreenSaver");
    values.Add(L"Name", Name, {2})
        .Add(L"Unique", Unique, {2})
        .Add(L"MakeCurrent", MakeCurrent, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScScreenSaver::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScScreenSaver::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
