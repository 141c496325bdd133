#pragma once
// CWizTaskPropSheet: the scheduled-task wizard, a Wizard97 sheet that owns its pages, the
// task being made or changed and whether it is new. The pages find their way through
// the sheet (WizardPath's way, from the choices the pages hold); the finish page writes
// the task and leaves what it wrote in m_task.
#include "VellWizSchTask/CTaskRecord.h"
#include "VellWizSchTask/CWizTaskAudioPlaying.h"
#include "VellWizSchTask/CWizTaskCBTPlaying.h"
#include "VellWizSchTask/CWizTaskCBTPlayingLaunch.h"
#include "VellWizSchTask/CWizTaskCredentials.h"
#include "VellWizSchTask/CWizTaskFinish.h"
#include "VellWizSchTask/CWizTaskFrequenceDaily.h"
#include "VellWizSchTask/CWizTaskFrequenceMonthly.h"
#include "VellWizSchTask/CWizTaskFrequenceOneTimeOnly.h"
#include "VellWizSchTask/CWizTaskFrequenceWeekly.h"
#include "VellWizSchTask/CWizTaskIntro.h"
#include "VellWizSchTask/CWizTaskName.h"
#include "VellWizSchTask/CWizTaskPresentationPlayingGeneral.h"
#include "VellWizSchTask/CWizTaskPresentationRecordingDuration.h"
#include "VellWizSchTask/CWizTaskPresentationRecordingGeneral.h"
#include "VellWizSchTask/CWizTaskScClipboard.h"
#include "VellWizSchTask/CWizTaskScCommonDuration.h"
#include "VellWizSchTask/CWizTaskScDatabase.h"
#include "VellWizSchTask/CWizTaskScEditor.h"
#include "VellWizSchTask/CWizTaskScEmail.h"
#include "VellWizSchTask/CWizTaskScFax.h"
#include "VellWizSchTask/CWizTaskScFile.h"
#include "VellWizSchTask/CWizTaskScICQ.h"
#include "VellWizSchTask/CWizTaskScPrinter.h"
#include "VellWizSchTask/CWizTaskScScreenSaver.h"
#include "VellWizSchTask/CWizTaskScSelectionType.h"
#include "VellWizSchTask/CWizTaskScWallpaper.h"
#include "VellWizSchTask/CWizTaskScWebFile.h"
#include "VellWizSchTask/CWizTaskScWebUpload.h"
#include "VellWizSchTask/CWizTaskTypePage.h"
#include "VellWizSchTask/CWizTaskVideoPlaying.h"
#include "VellWizSchTask/CWizTaskVideoRecordingName.h"
#include "VellWizSchTask/WizardPath.h"
#include "VellWizSchTask/CWizTaskAudioRecording.h"
#include "VellWizSchTask/CWizTaskCBTRecording.h"
#include "VellWizSchTask/CWizTaskVideoRecordingDevices.h"
#include "framework/CPropertySheet.h"

class CCmdLine;
class CTaskScheduler;

class CWizTaskPropSheet : public CPropertySheet
{
public:
    // A new task starts from the defaults with the current Windows user; a task to
    // modify is set into m_task (and its job handed to TransferParsedJob) before the
    // wizard runs.
    CWizTaskPropSheet(CTaskScheduler& scheduler, bool newTask);

    // The page the way leads to from page: forward (Next) or back; -1 when it leads to no
    // page of this sheet.
    LRESULT PageAround(UINT page, bool forward) const;
    // The choices of the pages that decide the way.
    WizardChoices Choices() const;
    // The settings record of a screen destination's page; null for a destination
    // without one.
    SendParam* DestinationRecord(int destination);
    const SendParam* DestinationRecord(int destination) const;
    // The recording or playing record of the kinds other than screen capture that the
    // choices name; null for one without its pages.
    const SendParam* OperationRecord(const WizardChoices& choices) const;
    // Fills the capture pages from a task's parsed job line.
    void TransferParsedJob(const CCmdLine& job);

    CTaskScheduler& Scheduler() { return m_scheduler; }
    bool IsNewTask() const { return m_newTask; }

    CWizTaskIntro m_intro;
    CWizTaskTypePage m_captureType;
    CWizTaskTypePage m_scType;
    CWizTaskScFile m_scFile;
    CWizTaskScScreenSaver m_scScreenSaver;
    CWizTaskScWallpaper m_scWallpaper;
    CWizTaskScEditor m_scEditor;
    CWizTaskScClipboard m_scClipboard;
    CWizTaskScPrinter m_scPrinter;
    CWizTaskScEmail m_scEmail;
    CWizTaskScFax m_scFax;
    CWizTaskScICQ m_scIcq;
    CWizTaskScDatabase m_scDatabase;
    CWizTaskScWebFile m_scWebFile;
    CWizTaskScWebUpload m_scWebUpload;
    CWizTaskScCommonDuration m_scDuration;
    CWizTaskScSelectionType m_scSelection;
    CWizTaskTypePage m_cbtType;
    CWizTaskTypePage m_audioType;
    CWizTaskAudioPlaying m_audioPlaying;
    CWizTaskTypePage m_videoType;
    CWizTaskVideoPlaying m_videoPlaying;
    CWizTaskTypePage m_presentationType;
    // The movie recording that its two pages edit.
    InfoPresentationRecording m_movieRecording;
    CWizTaskPresentationRecordingGeneral m_presentationGeneral;
    CWizTaskPresentationRecordingDuration m_presentationDuration;
    CWizTaskPresentationPlayingGeneral m_presentationPlaying;
    CWizTaskScSelectionType m_presentationSelection;
    // The training playback that its two pages edit, and the video recording whose file
    // its first page names.
    InfoCBTPlaying m_trainingPlaying;
    CWizTaskCBTPlaying m_cbtPlaying;
    CWizTaskCBTPlayingLaunch m_cbtLaunch;
    InfoVideoRecording m_videoRecording;
    CWizTaskVideoRecordingName m_videoName;
    CWizTaskName m_name;
    // The recording pages with capture devices; the video recording's record is edited
    // by its file page and its devices page.
    CWizTaskCBTRecording m_cbtRecording;
    CWizTaskAudioRecording m_audioRecording;
    CWizTaskVideoRecordingDevices m_videoDevices;
    CWizTaskFrequenceDaily m_daily;
    CWizTaskFrequenceWeekly m_weekly;
    CWizTaskFrequenceMonthly m_monthly;
    CWizTaskFrequenceOneTimeOnly m_once;
    CWizTaskCredentials m_credentials;
    CWizTaskFinish m_finish;

    CTaskRecord m_task;

private:
    bool HasPage(int page) const;
    // Copies a recording or playing record into the page that edits it.
    void TransferOperationRecord(const SendParam* record);

    CTaskScheduler& m_scheduler;
    bool m_newTask;
};
