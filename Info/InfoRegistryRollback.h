#pragma once
// InfoRegistryRollback: the registry capture file to roll the registry back to.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoRegistryRollback : public SendParam
{
public:
    InfoRegistryRollback();
    InfoRegistryRollback(const InfoRegistryRollback& other);
    InfoRegistryRollback& operator=(const InfoRegistryRollback& other);
    bool operator==(const InfoRegistryRollback& other) const;
    ~InfoRegistryRollback() override;

    EnumSendParam GetType() const override { return SP_REGISTRY_ROLLBACK; }
    bool LoadFromRegistry() override;
    // Writes every value whatever the part.
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return RollbackShowDlg; }

    CString RollbackFName;
    bool RollbackShowDlg;

private:
    RegistryValues Values();
};
