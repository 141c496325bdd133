#pragma once
// CPPagePropsScEditor: the graphic editor destination's page: the editor program and the image type handed to it. "Select" is offered only when the registry names the company's own editor.
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScEditor : public CPPagePropsScBase
{
public:
    CPPagePropsScEditor();

    // The company editor's path from the registry; empty when it is not installed.
    static CString FindCompanyEditor();

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;

private:
    CTtEdit m_location;
};
