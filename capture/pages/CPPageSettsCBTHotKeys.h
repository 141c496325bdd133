#pragma once
// CPPageSettsCBTHotKeys: the "Hot Keys" settings page of training capture: which key
// combination starts and stops a training, stored in the controller at once.
#include "capture/pages/CPPageSettsBase.h"

class CPPageSettsCBTHotKeys : public CPPageSettsBase
{
public:
    explicit CPPageSettsCBTHotKeys(int type);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
};
