#include "VellWizSchTask/CWizTaskPropSheet.h"

#include "capture/pages/DestinationRecordOps.h"
#include "VellWizSchTask/TaskWizardResources.h"
#include "runjobs/CCmdLine.h"

#include <lmcons.h>

namespace
{
// The current Windows user; empty when it cannot be read.
CString CurrentUserName()
{
    wchar_t name[1024] = {};
    DWORD size = 1024;
    return GetUserNameW(name, &size) ? CString(name) : CString();
}
} // namespace

CWizTaskPropSheet::CWizTaskPropSheet(CTaskScheduler& scheduler, bool newTask)
    : m_intro(*this),
      m_captureType(*this, IDD_WIZ_CAPTURE_TYPE, IDS_WIZ_CAPTURE_TYPE_TITLE, IDS_WIZ_CAPTURE_TYPE_SUBTITLE,
                    IDC_WZ_CAPTURE_TYPE_LIST, 0, 1),
      m_scType(*this, IDD_WIZ_SC_TYPE, IDS_WIZ_SC_TYPE_TITLE, IDS_WIZ_SC_TYPE_SUBTITLE, IDC_SC_TYPE_LIST, 1, 7),
      m_scFile(*this), m_scScreenSaver(*this), m_scWallpaper(*this), m_scEditor(*this), m_scClipboard(*this), m_scPrinter(*this), m_scEmail(*this), m_scFax(*this), m_scIcq(*this), m_scDatabase(*this),
      m_scWebFile(*this), m_scWebUpload(*this, m_scWebFile.m_record),
      m_scDuration(*this), m_scSelection(*this, IDD_WIZ_SC_SELECTION, 1),
      m_cbtType(*this, IDD_WIZ_CBT_TYPE, IDS_WIZ_CBT_TYPE_TITLE, IDS_WIZ_CBT_TYPE_SUBTITLE, IDC_CBT_TYPE_LIST, 2, 18),
      m_audioType(*this, IDD_WIZ_AUDIO_TYPE, IDS_WIZ_AUDIO_TYPE_TITLE, IDS_WIZ_AUDIO_TYPE_SUBTITLE,
                  IDC_AUDIO_TYPE_LIST, 3, 20),
      m_audioPlaying(*this),
      m_videoType(*this, IDD_WIZ_VIDEO_TYPE, IDS_WIZ_VIDEO_TYPE_TITLE, IDS_WIZ_VIDEO_TYPE_SUBTITLE,
                  IDC_VIDEO_TYPE_LIST, 4, 22),
      m_videoPlaying(*this),
      m_presentationType(*this, IDD_WIZ_PRESENTATION_TYPE, IDS_WIZ_PRESENTATION_TYPE_TITLE,
                         IDS_WIZ_PRESENTATION_TYPE_SUBTITLE, IDC_PRESENTATION_TYPE_LIST, 5, 24),
      m_presentationGeneral(*this, m_movieRecording), m_presentationDuration(*this, m_movieRecording),
      m_presentationPlaying(*this),
      m_presentationSelection(*this, IDD_WIZ_PRESENTATION_SELECTION, 5),
      m_cbtPlaying(*this, m_trainingPlaying), m_cbtLaunch(*this, m_trainingPlaying),
      m_videoName(*this, m_videoRecording), m_name(*this), m_cbtRecording(*this), m_audioRecording(*this),
      m_videoDevices(*this, m_videoRecording), m_daily(*this),
      m_weekly(*this), m_monthly(*this), m_once(*this), m_credentials(*this), m_finish(*this),
      m_scheduler(scheduler), m_newTask(newTask)
{
    m_intro.m_newTask = newTask;
    if (newTask)
        m_task.user = CurrentUserName();
    // The wizard's 40 pages; the order is the page index the sheet keeps, not the path.
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{
             &m_intro, &m_captureType, &m_scType, &m_scFile, &m_scScreenSaver, &m_scWallpaper, &m_scEditor,
             &m_scClipboard, &m_scPrinter, &m_scEmail, &m_scFax, &m_scIcq, &m_scDatabase, &m_scWebFile,
             &m_scWebUpload, &m_scSelection, &m_scDuration, &m_name, &m_daily, &m_weekly, &m_monthly, &m_once,
             &m_credentials, &m_cbtType, &m_audioType, &m_videoType, &m_audioPlaying, &m_videoPlaying,
             &m_presentationType, &m_presentationGeneral, &m_presentationDuration, &m_presentationPlaying,
             &m_presentationSelection, &m_finish, &m_cbtPlaying, &m_cbtLaunch, &m_videoName, &m_cbtRecording,
             &m_audioRecording, &m_videoDevices})
        AddPage(*page);
    SetWizard(L"Task Scheduler", PSH_WIZARD97, IDB_WIZARD_WATERMARK, IDB_WIZARD_HEADER);
}

WizardChoices CWizTaskPropSheet::Choices() const
{
    WizardChoices choices;
    choices.captureKind = m_captureType.m_value;
    choices.destination = m_scType.m_value;
    choices.trainingOp = m_cbtType.m_value;
    choices.audioOp = m_audioType.m_value;
    choices.videoOp = m_videoType.m_value;
    choices.movieOp = m_presentationType.m_value;
    choices.triggerType = m_name.GetTriggerType();
    return choices;
}

bool CWizTaskPropSheet::HasPage(int page) const
{
    for (int i = 0; i < GetPageCount(); ++i)
        if (static_cast<int>(GetPage(i)->GetTemplateId()) == page)
            return true;
    return false;
}

LRESULT CWizTaskPropSheet::PageAround(UINT page, bool forward) const
{
    const int id = static_cast<int>(page);
    const int next = forward ? WizardNextPage(id, Choices()) : WizardBackPage(id, Choices());
    return HasPage(next) ? next : -1;
}

SendParam* CWizTaskPropSheet::DestinationRecord(int destination)
{
    switch (destination)
    {
    case SP_SC_FILE:
        return &m_scFile.m_record;
    case SP_SC_EDITOR:
        return &m_scEditor.m_record;
    case SP_SC_CLIPBOARD:
        return &m_scClipboard.m_record;
    case SP_SC_SCREENSAVER:
        return &m_scScreenSaver.m_record;
    case SP_SC_WALLPAPER:
        return &m_scWallpaper.m_record;
    case SP_SC_EMAIL:
        return &m_scEmail.m_record;
    case SP_SC_FAX:
        return &m_scFax.m_record;
    case SP_SC_ICQ:
        return &m_scIcq.m_record;
    case SP_SC_DATABASE:
        return &m_scDatabase.m_record;
    case SP_SC_PRINTER:
        return &m_scPrinter.m_record;
    case SP_SC_WEB:
        return &m_scWebFile.m_record;
    default:
        return nullptr;
    }
}

const SendParam* CWizTaskPropSheet::DestinationRecord(int destination) const
{
    return const_cast<CWizTaskPropSheet*>(this)->DestinationRecord(destination);
}

void CWizTaskPropSheet::TransferParsedJob(const CCmdLine& job)
{
    const CString type = job.m_type;
    const SendParam* record = job.GetRecord();
    // The other kinds: the kind, its type page and that page's record and play values.
    const struct
    {
        const wchar_t* word;
        int kind;
        CWizTaskTypePage& page;
        int record;
    } kKinds[] = {{L"VELLUMOR_CBT", 2, m_cbtType, SP_CBT_RECORDING},
                  {L"VELLUMOR_AUDIO", 3, m_audioType, SP_AUDIO_RECORDING},
                  {L"VELLUMOR_VIDEO", 4, m_videoType, SP_VIDEO_RECORDING},
                  {L"VELLUMOR_PRESENTATION", 5, m_presentationType, SP_PRESENTATION_RECORDING}};
    for (const auto& kind : kKinds)
    {
        if (type.CompareNoCase(kind.word) != 0)
            continue;
        m_captureType.m_value = kind.kind;
        kind.page.m_value = job.m_record ? kind.record : kind.record + 1;
        TransferOperationRecord(record);
        if (kind.kind != 5)
            return;
        m_presentationSelection.m_selectionType = job.m_selectionType;
        m_presentationSelection.m_selectionText = job.m_sizeText;
        m_presentationSelection.m_captureCursor = job.m_captureCursor;
        return;
    }
    if (type.CompareNoCase(L"VELLUMOR_SC") != 0)
        return;
    m_captureType.m_value = 1;
    m_scType.m_value = job.m_sendParam;
    const DestinationRecordOps* ops = record ? GetDestinationRecordOps(record->GetType()) : nullptr;
    if (ops)
    {
        if (SendParam* page = DestinationRecord(record->GetType()))
            ops->assign(*page, *record);
        // The accessors read the fields every destination record holds.
        auto& source = const_cast<SendParam&>(*record);
        m_scDuration.m_duration = ops->duration(source);
        m_scDuration.m_frequence = ops->frequence(source);
    }
    m_scSelection.m_selectionType = job.m_selectionType;
    m_scSelection.m_selectionText = job.m_sizeText;
    m_scSelection.m_captureCursor = job.m_captureCursor;
}

void CWizTaskPropSheet::TransferOperationRecord(const SendParam* record)
{
    switch (record ? record->GetType() : 0)
    {
    case SP_AUDIO_PLAYING:
        m_audioPlaying.m_record = static_cast<const InfoAudioPlaying&>(*record);
        break;
    case SP_CBT_RECORDING:
        m_cbtRecording.m_record = static_cast<const InfoCBTRecording&>(*record);
        break;
    case SP_AUDIO_RECORDING:
        m_audioRecording.m_record = static_cast<const InfoAudioRecording&>(*record);
        break;
    case SP_VIDEO_RECORDING:
        m_videoRecording = static_cast<const InfoVideoRecording&>(*record);
        break;
    case SP_VIDEO_PLAYING:
        m_videoPlaying.m_record = static_cast<const InfoVideoPlaying&>(*record);
        break;
    case SP_CBT_PLAYING:
        m_trainingPlaying = static_cast<const InfoCBTPlaying&>(*record);
        break;
    case SP_PRESENTATION_RECORDING:
        m_movieRecording = static_cast<const InfoPresentationRecording&>(*record);
        break;
    case SP_PRESENTATION_PLAYING:
        m_presentationPlaying.m_record = static_cast<const InfoPresentationPlaying&>(*record);
        break;
    default:
        break;
    }
}

const SendParam* CWizTaskPropSheet::OperationRecord(const WizardChoices& choices) const
{
    if (choices.captureKind == 2)
        return choices.trainingOp == SP_CBT_PLAYING ? static_cast<const SendParam*>(&m_trainingPlaying)
                                                    : &m_cbtRecording.m_record;
    if (choices.captureKind == 3)
        return choices.audioOp == SP_AUDIO_PLAYING ? static_cast<const SendParam*>(&m_audioPlaying.m_record)
                                                   : &m_audioRecording.m_record;
    if (choices.captureKind == 4 && choices.videoOp == SP_VIDEO_RECORDING)
        return &m_videoRecording;
    if (choices.captureKind == 4 && choices.videoOp == SP_VIDEO_PLAYING)
        return &m_videoPlaying.m_record;
    if (choices.captureKind == 5)
        return choices.movieOp == SP_PRESENTATION_RECORDING ? static_cast<const SendParam*>(&m_movieRecording)
                                                            : &m_presentationPlaying.m_record;
    return nullptr;
}
