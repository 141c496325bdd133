#pragma once
// InfoScPrinter: the printer destination. A new record starts from the system's default
// printer when there is one.
#include "Info/SendParam.h"

class RegistryValues;

class INFO_API InfoScPrinter : public SendParam
{
public:
    InfoScPrinter();
    InfoScPrinter(const CString& name, const CString& drvName, const CString& portName, bool showDlg,
                  EnumPageOrientation orientation, int numCopies, int duration, int frequence);
    InfoScPrinter(const InfoScPrinter& other);
    InfoScPrinter& operator=(const InfoScPrinter& other);
    bool operator==(const InfoScPrinter& other) const;
    ~InfoScPrinter() override;

    EnumSendParam GetType() const override { return SP_SC_PRINTER; }
    bool LoadFromRegistry() override;
    bool SaveToRegistry(unsigned int part) override;
    bool IsDisplayFlagOn() const override { return ShowDlg; }

    CString Name; // the printer's device name
    CString DrvName;
    CString PortName;
    bool ShowDlg;
    EnumPageOrientation Orientation;
    int NumCopies;
    int Duration;
    int Frequence;

private:
    RegistryValues Values();
    void TakeDefaultPrinter();
};
