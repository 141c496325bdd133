#pragma once
// CWizTaskScFax: the wizard page of the fax destination: the fax server (one of the
// reachable servers), the recipient and, when a cover page is used, its file, subject
// and note. Next requires a listed server, a recipient name and number, and an existing
// cover page file when one is used.
#include "Info/InfoScFax.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskScFax : public CWizTaskPage
{
public:
    explicit CWizTaskScFax(CWizTaskPropSheet& sheet);

    InfoScFax m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool CheckNext() override;

private:
    void EnableCoverPage() const;
};
