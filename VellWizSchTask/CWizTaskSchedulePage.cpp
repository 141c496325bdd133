#include "VellWizSchTask/CWizTaskSchedulePage.h"

#include "VellWizSchTask/CWizTaskPropSheet.h"

CWizTaskSchedulePage::CWizTaskSchedulePage(CWizTaskPropSheet& sheet, UINT templateId, UINT titleId, UINT subtitleId,
                                           UINT timeId, UINT dateId, int firstType, int lastType)
    : CWizTaskPage(sheet, templateId, titleId, subtitleId), m_timeId(timeId), m_dateId(dateId),
      m_firstType(firstType), m_lastType(lastType)
{
}

BOOL CWizTaskSchedulePage::OnInitDialog()
{
    CWizTaskPage::OnInitDialog();
    const int type = m_sheet.m_task.trigger.TriggerType;
    if (type >= m_firstType && type <= m_lastType)
        m_record = m_sheet.m_task;
    ShowStart();
    return TRUE;
}

void CWizTaskSchedulePage::ShowStart() const
{
    const TASK_TRIGGER& t = m_record.trigger;
    SYSTEMTIME start = {};
    start.wYear = t.wBeginYear;
    start.wMonth = t.wBeginMonth;
    start.wDay = t.wBeginDay;
    start.wHour = t.wStartHour;
    start.wMinute = t.wStartMinute;
    for (UINT id : {m_timeId, m_dateId})
        if (id)
            DateTime_SetSystemtime(GetDlgItem(id), GDT_VALID, &start);
}

bool CWizTaskSchedulePage::OnNotify(const NMHDR& header, LRESULT& result)
{
    if (header.code != DTN_DATETIMECHANGE || (header.idFrom != m_timeId && header.idFrom != m_dateId))
        return CWizTaskPage::OnNotify(header, result);
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
    TASK_TRIGGER& t = m_record.trigger;
    if (change.dwFlags == GDT_VALID && header.idFrom == m_timeId)
    {
        t.wStartHour = change.st.wHour;
        t.wStartMinute = change.st.wMinute;
    }
    else if (change.dwFlags == GDT_VALID)
    {
        t.wBeginYear = change.st.wYear;
        t.wBeginMonth = change.st.wMonth;
        t.wBeginDay = change.st.wDay;
    }
    result = 0;
    return true;
}
