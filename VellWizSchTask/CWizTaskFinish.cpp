#include "VellWizSchTask/CWizTaskFinish.h"

#include "VellWizSchTask/CWizTaskPropSheet.h"
#include "VellWizSchTask/JobLineBuilder.h"
#include "VellWizSchTask/TaskFinish.h"
#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"
#include "common/PathHelpers.h"
#include "framework/CWaitCursor.h"

CWizTaskFinish::CWizTaskFinish(CWizTaskPropSheet& sheet) : CWizTaskPage(sheet, IDD_WIZ_FINISH, 0, 0)
{
}

CString CWizTaskFinish::BuildCommandLine() const
{
    const WizardChoices choices = m_sheet.Choices();
    const bool movieRecording = choices.captureKind == 5 && choices.movieOp == SP_PRESENTATION_RECORDING;
    const SendParam* record = choices.captureKind == 1 ? m_sheet.DestinationRecord(choices.destination)
                                                       : m_sheet.OperationRecord(choices);
    if (!record)
        return CString();
    const CWizTaskScSelectionType& page = movieRecording ? m_sheet.m_presentationSelection : m_sheet.m_scSelection;
    JobSelection selection;
    selection.selectionType = page.m_selectionType;
    selection.sizeText = page.m_selectionText;
    selection.captureCursor = page.m_captureCursor;
    selection.duration = m_sheet.m_scDuration.m_duration;
    selection.frequence = m_sheet.m_scDuration.m_frequence;
    return BuildJobLine(*record, selection);
}

CTaskRecord CWizTaskFinish::BuildScheduleRecord() const
{
    switch (m_sheet.m_name.GetTriggerType())
    {
    case TASK_TIME_TRIGGER_ONCE:
        return m_sheet.m_once.GetTask();
    case TASK_TIME_TRIGGER_DAILY:
        return m_sheet.m_daily.GetTask();
    case TASK_TIME_TRIGGER_WEEKLY:
        return m_sheet.m_weekly.GetTask();
    case TASK_TIME_TRIGGER_MONTHLYDATE:
    case TASK_TIME_TRIGGER_MONTHLYDOW:
        return m_sheet.m_monthly.GetTask();
    default:
        return CTaskRecord();
    }
}

bool CWizTaskFinish::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    const WizardChoices choices = m_sheet.Choices();
    const int operations[] = {0, 0, choices.trainingOp, choices.audioOp, choices.videoOp, choices.movieOp};
    const int kind = choices.captureKind;
    const bool record = kind == 1 || (kind >= 2 && kind <= 5 && operations[kind] % 2 == 0);
    SetItemText(IDC_FINISH_NAME, m_sheet.m_name.GetTask().name);
    SetItemText(IDC_FINISH_OPERATION, OperationSentence(kind, record));
    SetItemText(IDC_FINISH_SCHEDULE, ScheduleSentence(BuildScheduleRecord().trigger));
    return CPropertyPage::OnSetActive();
}

bool CWizTaskFinish::OnWizardFinish()
{
    return Finish();
}

bool CWizTaskFinish::Finish()
{
    CWaitCursor wait;
    CTaskRecord rec = BuildScheduleRecord();
    const CTaskRecord named = m_sheet.m_name.GetTask();
    rec.name = named.name;
    rec.comment = named.comment;
    rec.user = m_sheet.m_credentials.GetUser();
    rec.password = m_sheet.m_credentials.GetPassword();
    rec.application = GetModuleDirectory() + L"\\VellRunJobs.exe";
    rec.parameters = BuildCommandLine();
    // Until the task is written, the sheet's record is the task the wizard was opened on.
    if (!WriteWizardTask(m_sheet.Scheduler(), rec, m_sheet.IsNewTask(), GetSheetWindow(), m_sheet.m_task.name))
        return false;
    m_sheet.m_task = rec;
    return true;
}
