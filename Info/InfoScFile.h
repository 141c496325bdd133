#pragma once
// InfoScFile: the file destination of a screen capture.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScFile : public SendParam
{
public:
    InfoScFile();
    InfoScFile(const CString& fName, const CString& fPath, EnumFileType fType, bool overwrite, bool showDlg,
               int duration, int frequence);
    InfoScFile(const InfoScFile& other);
    InfoScFile& operator=(const InfoScFile& other);
    bool operator==(const InfoScFile& other) const;
    ~InfoScFile() override;

    EnumSendParam GetType() const override { return SP_SC_FILE; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    EnumFileType GetFileType() const { return FType; }
    // FPath, one backslash, FName and the extension of FType.
    CString GetFullPathFileName() const;

    CString FName;
    CString FPath;
    EnumFileType FType;
    bool Overwrite;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
