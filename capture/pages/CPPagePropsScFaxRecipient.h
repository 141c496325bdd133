#pragma once
// CPPagePropsScFaxRecipient: the fax destination's recipient page: the fax server ("(local)" or a server of the network), the recipient's name, number, company and department.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScFaxRecipient : public CPPagePropsScBase
{
public:
    CPPagePropsScFaxRecipient();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
};
