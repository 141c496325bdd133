#pragma once
// InfoScEditor: the graphic editor destination; the captured image is opened in FName.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScEditor : public SendParam
{
public:
    InfoScEditor();
    InfoScEditor(const CString& fName, EnumFileType fType, bool showDlg, int duration, int frequence);
    InfoScEditor(const InfoScEditor& other);
    InfoScEditor& operator=(const InfoScEditor& other);
    bool operator==(const InfoScEditor& other) const;
    ~InfoScEditor() override;

    EnumSendParam GetType() const override { return SP_SC_EDITOR; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    CString FName; // the editor program
    EnumFileType FType;
    bool ShowDlg;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
};
