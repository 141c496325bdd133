#pragma once
// CPPageSettsScSelType: the "Selection Type" settings page of screen and movie capture:
// how the user chooses the area of a capture. A choice goes at once into the screen
// settings (and the registry) and into the movie manager's copy.
#include "capture/pages/CPPageSettsBase.h"

class CPPageSettsScSelType : public CPPageSettsBase
{
public:
    explicit CPPageSettsScSelType(int type);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
};
