#pragma once
// InfoScClipboard: the clipboard destination; FType chooses the clipboard format
// (0 a device-dependent bitmap, 1 a device-independent one).
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScClipboard : public SendParam
{
public:
    InfoScClipboard();
    InfoScClipboard(EnumFileType fType, bool showDlg, int duration, int frequence);
    InfoScClipboard(const InfoScClipboard& other);
    InfoScClipboard& operator=(const InfoScClipboard& other);
    bool operator==(const InfoScClipboard& other) const;
    ~InfoScClipboard() override;

    EnumSendParam GetType() const override { return SP_SC_CLIPBOARD; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    EnumFileType FType;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
