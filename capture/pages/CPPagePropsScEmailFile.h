#pragma once
// CPPagePropsScEmailFile: the e-mail destination's content page: subject, body, the attachment's image type, and whether the picture is attached or embedded (always attached without a local web server to serve it).
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScEmailFile : public CPPagePropsScBase
{
public:
    CPPagePropsScEmailFile();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
};
