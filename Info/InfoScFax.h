#pragma once
// InfoScFax: the fax destination.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScFax : public SendParam
{
public:
    InfoScFax();
    InfoScFax(const CString& svrName, const CString& recNumber, const CString& recName, const CString& recCompany,
              const CString& recDepartment, const CString& note, const CString& subject, const CString& coverPageName,
              bool useCoverPage, bool showDlg, int duration, int frequence);
    InfoScFax(const InfoScFax& other);
    InfoScFax& operator=(const InfoScFax& other);
    bool operator==(const InfoScFax& other) const;
    ~InfoScFax() override;

    EnumSendParam GetType() const override { return SP_SC_FAX; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    CString SvrName;
    CString RecNumber;
    CString RecName;
    CString RecCompany;
    CString RecDepartment;
    bool UseCoverPage;
    CString CoverPageName;
    CString Note;
    CString Subject;
    int FType; // the image file type of the fax; kept in memory only
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
