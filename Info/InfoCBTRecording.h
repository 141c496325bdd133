#pragma once
// InfoCBTRecording: how a training capture is recorded.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoCBTRecording : public SendParam
{
public:
    InfoCBTRecording();
    InfoCBTRecording(const CString& recFName, const CString& recPath, bool recOverwrite, bool recSound,
                     const CString& recSoundDevice, const CString& recSoundFormat, const CString& recInputPinName,
                     bool recSkipMouse, bool recSkipKeyboard, unsigned int recDuration, bool recShowDlg);
    InfoCBTRecording(const InfoCBTRecording& other);
    InfoCBTRecording& operator=(const InfoCBTRecording& other);
    bool operator==(const InfoCBTRecording& other) const;
    ~InfoCBTRecording() override;

    EnumSendParam GetType() const override { return SP_CBT_RECORDING; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return RecShowDlg; }

    // RecPath, one backslash, RecFName and ".vtf".
    CString GetFullPathFileName() const;

    CString RecFName;
    CString RecPath;
    bool RecOverwrite;
    bool RecSound;
    CString RecSoundDevice;
    CString RecSoundFormat;
    CString RecInputPinName;
    bool RecSkipMouse;
    bool RecSkipKeyboard;
    unsigned int RecDuration;
    bool RecShowDlg;

private:
    RegistryValues Values();
};
