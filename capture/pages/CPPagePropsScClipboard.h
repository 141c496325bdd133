#pragma once
// CPPagePropsScClipboard: the clipboard destination's page: the bitmap format put on the
// clipboard.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScClipboard : public CPPagePropsScBase
{
public:
    CPPagePropsScClipboard();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
};
