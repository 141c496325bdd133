#pragma once
// CWizTaskScEditor: the wizard page of the graphic editor destination: the editor program
// and the image type. "Select" fills in the maker's own editor when it is installed.
// Next refuses a program that does not exist.
#include "Info/InfoScEditor.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScEditor : public CWizTaskPage
{
public:
    explicit CWizTaskScEditor(CWizTaskPropSheet& sheet);

    InfoScEditor m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;
};
