#pragma once
// InfoScScreenSaver: the screen-saver destination; the image is added to the pictures
// of the product's screen saver.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScScreenSaver : public SendParam
{
public:
    InfoScScreenSaver();
    InfoScScreenSaver(const CString& name, bool unique, bool makeCurrent, bool showDlg, int duration, int frequence);
    InfoScScreenSaver(const InfoScScreenSaver& other);
    InfoScScreenSaver& operator=(const InfoScScreenSaver& other);
    bool operator==(const InfoScScreenSaver& other) const;
    ~InfoScScreenSaver() override;

    EnumSendParam GetType() const override { return SP_SC_SCREENSAVER; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    CString Name; // the picture's name
    bool Unique;
    bool MakeCurrent;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
