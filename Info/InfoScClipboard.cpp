#include "Info/InfoScClipboard.h"
#include "Info/RegistryValues.h"

InfoScClipboard::InfoScClipboard() : InfoScClipboard(FT_BMP, false, 0, 1) {}

InfoScClipboard::InfoScClipboard(EnumFileType fType, bool showDlg, int duration, int frequence)
    : FType(fType), ShowDlg(showDlg), Duration(duration), Frequence(frequence)
{
}

InfoScClipboard::InfoScClipboard(const InfoScClipboard& other) = default;
InfoScClipboard& InfoScClipboard::operator=(const InfoScClipboard& other) = default;
InfoScClipboard::~InfoScClipboard() = default;

bool InfoScClipboard::operator==(const InfoScClipboard& o) const
{
    return FType == o.FType && ShowDlg == o.ShowDlg && Duration == o.Duration && Frequence == o.Frequence;
}

RegistryValues InfoScClipboard::Values()
{
    RegistryValues values(L"ScreenCapture\\Clipboard");
    values.Add(L"FType", FType, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScClipboard::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScClipboard::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
