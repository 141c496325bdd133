#pragma once
// InfoRegistryRecording: how a registry capture is recorded: which root keys of which
// machine, into which file.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoRegistryRecording : public SendParam
{
public:
    InfoRegistryRecording();
    InfoRegistryRecording(const InfoRegistryRecording& other);
    InfoRegistryRecording& operator=(const InfoRegistryRecording& other);
    bool operator==(const InfoRegistryRecording& other) const;
    ~InfoRegistryRecording() override;

    EnumSendParam GetType() const override { return SP_REGISTRY_RECORDING; }
    bool LoadFromRegistry() override;
    // Writes every value whatever the part.
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return RecShowDlg; }

    // RecPath, one backslash, RecFName and ".vrf".
    CString GetFullPathFileName() const;

    CString RecFName;
    CString RecPath;
    bool RecOverwrite;
    unsigned int RecDuration;
    CString RecDescription;
    CString RecMachine;
    // The root keys recorded.
    bool RecClassRootKey;
    bool RecCurUserKey;
    bool RecLocalMachineKey;
    bool RecUsersKey;
    bool RecCurConfigKey;
    bool RecShowDlg;

private:
    RegistryValues Values();
};
