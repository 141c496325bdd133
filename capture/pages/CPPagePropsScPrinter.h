#pragma once
// CPPagePropsScPrinter: the printer destination's page: the printer's device, driver and port names, the page orientation and the number of copies.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScPrinter : public CPPagePropsScBase
{
public:
    CPPagePropsScPrinter();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    void ShowOrientation();
    void ChoosePrinter();

    CNumberEdit m_copies;
};
