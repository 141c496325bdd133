#pragma once
// CWizTaskScPrinter: the wizard page of the printer destination: printer, driver, port,
// orientation and number of copies, typed or taken from the system's print setup
// ("Settings"). Next refuses an empty name, driver or port and copies outside 1..999.
#include "Info/InfoScPrinter.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScPrinter : public CWizTaskPage
{
public:
    explicit CWizTaskScPrinter(CWizTaskPropSheet& sheet);

    InfoScPrinter m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    void OnSettings();
    void ShowOrientation(EnumPageOrientation orientation) const;
};
