#pragma once
// CWizTaskTypePage: a wizard page that chooses one row of a list with icons: the capture
// kind, the screen destination, or recording or playing for a kind (CaptureTypeRows). The
// page's value is the chosen row's value; the sheet reads it to find the way on. For the
// screen destination, Next on ICQ asks first (and stays when the ICQ client is absent).
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskTypePage : public CWizTaskPage
{
public:
    CWizTaskTypePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId, UINT listId, int group,
                     int value);
    ~CWizTaskTypePage() override;

    int m_value;

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    LRESULT OnWizardBack() override;
    bool CheckNext() override;

private:
    UINT m_listId;
    int m_group;
    HIMAGELIST m_images = nullptr;
};
