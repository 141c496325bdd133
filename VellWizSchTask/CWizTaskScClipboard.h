#pragma once
// CWizTaskScClipboard: the wizard page of the clipboard destination: the clipboard
// format, a bitmap or a device-independent bitmap.
#include "Info/InfoScClipboard.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScClipboard : public CWizTaskPage
{
public:
    explicit CWizTaskScClipboard(CWizTaskPropSheet& sheet);

    InfoScClipboard m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
};
