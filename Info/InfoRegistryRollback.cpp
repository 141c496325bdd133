#include "Info/InfoRegistryRollback.h"
#include "Info/RegistryValues.h"

InfoRegistryRollback::InfoRegistryRollback() : RollbackShowDlg(false) {}

InfoRegistryRollback::InfoRegistryRollback(const InfoRegistryRollback& other) = default;
InfoRegistryRollback& InfoRegistryRollback::operator=(const InfoRegistryRollback& other) = default;
InfoRegistryRollback::~InfoRegistryRollback() = default;

bool InfoRegistryRollback::operator==(const InfoRegistryRollback& o) const
{
    return RollbackFName == o.RollbackFName && RollbackShowDlg == o.RollbackShowDlg;
}

RegistryValues InfoRegistryRollback::Values()
{
    RegistryValues values(L"RegistryCapture");
    values.Add(L"RollbackFName", RollbackFName, {}).Add(L"RollbackShowDlg", RollbackShowDlg, {});
    return values;
}

bool InfoRegistryRollback::LoadFromRegistry()
{
    return Values().Load();
}

bool InfoRegistryRollback::SaveToRegistry(unsigned int)
{
    return Values().Save(0);
}
