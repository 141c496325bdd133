#include "Info/InfoRegistryRecording.h"
#include "Info/InfoGlobalFunctions.h"
#include "Info/InfoPaths.h"
#include "Info/RegistryValues.h"

InfoRegistryRecording::InfoRegistryRecording()
    : RecFName(L"VellRegistry"), RecPath(InfoGlobalFunctions::GetRegistryDirectory()), RecOverwrite(true),
      RecDuration(0), RecMachine(L"(local)"), RecClassRootKey(true), RecCurUserKey(true), RecLocalMachineKey(true),
      RecUsersKey(true), RecCurConfigKey(true), RecShowDlg(false)
{
}

InfoRegistryRecording::InfoRegistryRecording(const InfoRegistryRecording& other) = default;
InfoRegistryRecording& InfoRegistryRecording::operator=(const InfoRegistryRecording& other) = default;
InfoRegistryRecording::~InfoRegistryRecording() = default;

bool InfoRegistryRecording::operator==(const InfoRegistryRecording& o) const
{
    return RecFName == o.RecFName && RecPath == o.RecPath && RecOverwrite == o.RecOverwrite &&
           RecDuration == o.RecDuration && RecDescription == o.RecDescription && RecMachine == o.RecMachine &&
           RecClassRootKey == o.RecClassRootKey && RecCurUserKey == o.RecCurUserKey &&
           RecLocalMachineKey == o.RecLocalMachineKey && RecUsersKey == o.RecUsersKey &&
           RecCurConfigKey == o.RecCurConfigKey && RecShowDlg == o.RecShowDlg;
}

RegistryValues InfoRegistryRecording::Values()
{
    RegistryValues values(L"RegistryCapture");
    values.Add(L"RecFName", RecFName, {})
        .Add(L"RecPath", RecPath, {})
        .Add(L"RecOverwrite", RecOverwrite, {})
        .Add(L"RecDuration", RecDuration, {})
        .Add(L"RecDescription", RecDescription, {})
        .Add(L"RecMachine", RecMachine, {})
        .Add(L"RecClassRootKey", RecClassRootKey, {})
        .Add(L"RecCurUserKey", RecCurUserKey, {})
        .Add(L"RecLocalMachineKey", RecLocalMachineKey, {})
        .Add(L"RecUsersKey", RecUsersKey, {})
        .Add(L"RecCurConfigKey", RecCurConfigKey, {})
        .Add(L"RecShowDlg", RecShowDlg, {});
    return values;
}

bool InfoRegistryRecording::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoRegistryRecording::SaveToRegistry(unsigned int)
{
    return Values().Save(0);
}

CString InfoRegistryRecording::GetFullPathFileName() const
{
    return InfoPaths::JoinFileName(RecPath, RecFName, L".vrf");
}
