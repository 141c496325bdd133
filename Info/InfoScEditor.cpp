#include "Info/InfoScEditor.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/RegistryValues.h"

InfoScEditor::InfoScEditor() : InfoScEditor(InfoGlobalFunctions::GetMsPaintFullPath(), FT_BMP, false, 0, 1) {}

InfoScEditor::InfoScEditor(const CString& fName, EnumFileType fType, bool showDlg, int duration, int frequence)
    : FName(fName), FType(fType), ShowDlg(showDlg), Duration(duration), Frequence(frequence)
{
}

InfoScEditor::InfoScEditor(const InfoScEditor& other) = default;
InfoScEditor& InfoScEditor::operator=(const InfoScEditor& other) = default;
InfoScEditor::~InfoScEditor() = default;

bool InfoScEditor::operator==(const InfoScEditor& o) const
{
    return FName == o.FName && FType == o.FType && ShowDlg == o.ShowDlg && Duration == o.Duration &&
           Frequence == o.Frequence;
}

RegistryValues InfoScEditor::Values()
{
    RegistryValues values(L"ScreenCapture\\Editor");
    values.Add(L"FName", FName, {2})
        .Add(L"FType", FType, {2})
        .Add(L"ShowDlg", ShowDlg, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScEditor::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoScEditor::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
