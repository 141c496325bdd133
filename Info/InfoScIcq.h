#pragma once
// InfoScIcq: the ICQ destination; the image is sent to the contact UID at address IP.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScIcq : public SendParam
{
public:
    InfoScIcq();
    InfoScIcq(const CString& firstName, const CString& lastName, int uid, int ip, EnumFileType fType, bool showDlg,
              int duration, int frequence);
    InfoScIcq(const InfoScIcq& other);
    InfoScIcq& operator=(const InfoScIcq& other);
    bool operator==(const InfoScIcq& other) const;
    ~InfoScIcq() override;

    EnumSendParam GetType() const override { return SP_SC_ICQ; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    CString FirstName;
    CString LastName;
    int UID;
    int IP;
    EnumFileType FType;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
