#pragma once
// CWizTaskSchedulePage: what the four schedule pages share: their own task record, which
// takes the sheet's task on the first showing when that task has the page's kind of
// trigger; a time control (and on some pages a date control) that stores into the
// trigger at every change; Back to the Name page.
#include "VellWizSchTask/CTaskRecord.h"
#include "VellWizSchTask/CWizTaskPage.h"

class CWizTaskSchedulePage : public CWizTaskPage
{
public:
    // timeId, dateId: the page's date-time controls (dateId 0: none); firstType and
    // lastType: the trigger types of the sheet's task that the page takes over.
    CWizTaskSchedulePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId, UINT timeId,
                         UINT dateId, int firstType, int lastType);

    CTaskRecord GetTask() const { return m_record; }

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    // Shows the record's start time and date in the date-time controls.
    void ShowStart() const;

    CTaskRecord m_record;

private:
    UINT m_timeId;
    UINT m_dateId;
    int m_firstType;
    int m_lastType;
};
