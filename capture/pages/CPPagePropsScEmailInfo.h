#pragma once
// CPPagePropsScEmailInfo: the e-mail destination's address page: mail server, sender, recipients and copy recipients; addresses can be appended from the address book.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScEmailInfo : public CPPagePropsScBase
{
public:
    CPPagePropsScEmailInfo();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
};
