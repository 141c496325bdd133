#include "capture/pages/CPSheetCaptureProperties.h"

#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScWeb.h"
#include "capture/pages/CPPagePropsScClipboard.h"
#include "capture/pages/CPPagePropsScCommonDuration.h"
#include "capture/pages/CPPagePropsScDatabase.h"
#include "capture/pages/CPPagePropsScEditor.h"
#include "capture/pages/CPPagePropsScEmailFile.h"
#include "capture/pages/CPPagePropsScEmailInfo.h"
#include "capture/pages/CPPagePropsScFaxCoverPage.h"
#include "capture/pages/CPPagePropsScFaxRecipient.h"
#include "capture/pages/CPPagePropsScFiles.h"
#include "capture/pages/CPPagePropsScIcqInfo.h"
#include "capture/pages/CPPagePropsScIcqUser.h"
#include "capture/pages/CPPagePropsScPrinter.h"
#include "capture/pages/CPPagePropsScScreenSaver.h"
#include "capture/pages/CPPagePropsScWallpaper.h"
#include "capture/pages/CPPagePropsScWebFile.h"
#include "capture/pages/CPPagePropsScWebUpload.h"
#include "capture/pages/CPPagePropertiesCaptureType.h"
#include "capture/pages/CPPagePropsAudioPlaying.h"
#include "capture/pages/CPPagePropsAudioRecDevices.h"
#include "capture/pages/CPPagePropsAudioRecFile.h"
#include "capture/pages/CPPagePropsCbtPlaying.h"
#include "capture/pages/CPPagePropsCbtPlayingLaunch.h"
#include "capture/pages/CPPagePropsCbtRecEventFile.h"
#include "capture/pages/CPPagePropsCbtRecSound.h"
#include "capture/pages/CPPagePropsPresentationPlaying.h"
#include "capture/pages/CPPagePropsPresentationRecordingDuration.h"
#include "capture/pages/CPPagePropsPresentationRecordingFile.h"
#include "capture/pages/CPPagePropsVideoPlaying.h"
#include "capture/pages/CPPagePropsVideoRecAudio.h"
#include "capture/pages/CPPagePropsVideoRecDevice.h"
#include "capture/pages/CPPagePropsVideoRecFile.h"
#include "capture/pages/CaptureRecordCombine.h"
#include "capture/pages/DestinationRecordOps.h"

namespace
{
template <class... Page> CPSheetCaptureBase::Pages MakePages(std::unique_ptr<Page>... pages)
{
    CPSheetCaptureBase::Pages list;
    (list.push_back(std::move(pages)), ...);
    return list;
}

// The fields the second page of a two-part destination edits, from that page's record
// into the record built from the first page's.
void TakeSecondPageFields(int type, SendParam& target, const SendParam& second)
{
    switch (type)
    {
    case SP_SC_EMAIL:
    {
        auto& to = static_cast<InfoScEmail&>(target);
        auto& from = static_cast<const InfoScEmail&>(second);
        to.Subject = from.Subject;
        to.Body = from.Body;
        to.Attached = from.Attached;
        to.FType = from.FType;
        break;
    }
    case SP_SC_FAX:
    {
        auto& to = static_cast<InfoScFax&>(target);
        auto& from = static_cast<const InfoScFax&>(second);
        to.Note = from.Note;
        to.Subject = from.Subject;
        to.CoverPageName = from.CoverPageName;
        to.UseCoverPage = from.UseCoverPage;
        break;
    }
    case SP_SC_WEB:
    {
        auto& to = static_cast<InfoScWeb&>(target);
        auto& from = static_cast<const InfoScWeb&>(second);
        to.SvrType = from.SvrType;
        to.HostAddress = from.HostAddress;
        to.Port = from.Port;
        to.Login = from.Login;
        to.Pwd = from.Pwd;
        to.WebPath = from.WebPath;
        break;
    }
    default:
        break;
    }
}
} // namespace

CPSheetCaptureProperties::CPSheetCaptureProperties()
{
    ShowPages(SP_SC_FILE, 0, true);
}

CPSheetCaptureBase::Pages CPSheetCaptureProperties::CreatePages(int type)
{
    auto duration = [type] { return std::make_unique<CPPagePropsScCommonDuration>(static_cast<EnumSendParam>(type)); };
    switch (type)
    {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        return MakePages(std::make_unique<CPPagePropertiesCaptureType>(type));
    case SP_SC_FILE:
        return MakePages(std::make_unique<CPPagePropsScFiles>(), duration());
    case SP_SC_EDITOR:
        return MakePages(std::make_unique<CPPagePropsScEditor>(), duration());
    case SP_SC_EMAIL:
        return MakePages(std::make_unique<CPPagePropsScEmailInfo>(), std::make_unique<CPPagePropsScEmailFile>(),
                         duration());
    case SP_SC_ICQ:
        return MakePages(std::make_unique<CPPagePropsScIcqUser>(), std::make_unique<CPPagePropsScIcqInfo>(),
                         duration());
    case SP_SC_PRINTER:
        return MakePages(std::make_unique<CPPagePropsScPrinter>(), duration());
    case SP_SC_FAX:
        return MakePages(std::make_unique<CPPagePropsScFaxRecipient>(), std::make_unique<CPPagePropsScFaxCoverPage>(),
                         duration());
    case SP_SC_DATABASE:
        return MakePages(std::make_unique<CPPagePropsScDatabase>(), duration());
    case SP_SC_CLIPBOARD:
        return MakePages(std::make_unique<CPPagePropsScClipboard>(), duration());
    case SP_SC_SCREENSAVER:
        return MakePages(std::make_unique<CPPagePropsScScreenSaver>(), duration());
    case SP_SC_WALLPAPER:
        return MakePages(std::make_unique<CPPagePropsScWallpaper>(), duration());
    case SP_SC_WEB:
        return MakePages(std::make_unique<CPPagePropsScWebFile>(), std::make_unique<CPPagePropsScWebUpload>(),
                         duration());
    case SP_CBT_RECORDING:
        return MakePages(std::make_unique<CPPagePropsCbtRecEventFile>(), std::make_unique<CPPagePropsCbtRecSound>());
    case SP_CBT_PLAYING:
        return MakePages(std::make_unique<CPPagePropsCbtPlaying>(), std::make_unique<CPPagePropsCbtPlayingLaunch>());
    case SP_AUDIO_RECORDING:
        return MakePages(std::make_unique<CPPagePropsAudioRecFile>(), std::make_unique<CPPagePropsAudioRecDevices>());
    case SP_AUDIO_PLAYING:
        return MakePages(std::make_unique<CPPagePropsAudioPlaying>());
    case SP_VIDEO_RECORDING:
        return MakePages(std::make_unique<CPPagePropsVideoRecFile>(), std::make_unique<CPPagePropsVideoRecDevice>(),
                         std::make_unique<CPPagePropsVideoRecAudio>());
    case SP_VIDEO_PLAYING:
        return MakePages(std::make_unique<CPPagePropsVideoPlaying>());
    case SP_PRESENTATION_RECORDING:
        return MakePages(std::make_unique<CPPagePropsPresentationRecordingFile>(),
                         std::make_unique<CPPagePropsPresentationRecordingDuration>());
    case SP_PRESENTATION_PLAYING:
        return MakePages(std::make_unique<CPPagePropsPresentationPlaying>());
    default:
        return {};
    }
}

CPPagePropsBase* CPSheetCaptureProperties::GetRecordPage(int index) const
{
    return index >= 0 && index < static_cast<int>(GetPages().size())
               ? dynamic_cast<CPPagePropsBase*>(GetPages()[static_cast<size_t>(index)].get())
               : nullptr;
}

bool CPSheetCaptureProperties::CanOperate() const
{
    return GetSafeHwnd() && GetShownType() >= SP_SC_FILE && GetShownType() <= 25;
}

template <class Operation> bool CPSheetCaptureProperties::ForEachPage(Operation operation, bool stop)
{
    for (size_t i = 0; i < GetPages().size(); ++i)
        if (CPPagePropsBase* page = GetRecordPage(static_cast<int>(i)))
            if (operation(*page) == stop)
                return stop;
    return !stop;
}

bool CPSheetCaptureProperties::IsModified()
{
    return CanOperate() && ForEachPage([](IProperties& page) { return page.IsModified(); }, true);
}

bool CPSheetCaptureProperties::Validate()
{
    return CanOperate() && ForEachPage([](IProperties& page) { return page.Validate(); }, false);
}

bool CPSheetCaptureProperties::Apply()
{
    if (!CanOperate() || !ForEachPage([](IProperties& page) { return page.Apply(); }, false))
        return false;
    // Each page's copy takes in the fields the other pages have just applied.
    if (GetPages().size() >= 2)
        ForEachPage([](IProperties& page) { return page.Reset(false); }, false);
    return true;
}

bool CPSheetCaptureProperties::Reset(bool reload)
{
    if (!CanOperate())
        return false;
    ForEachPage([reload](IProperties& page) { return page.Reset(reload); }, false);
    return true;
}

bool CPSheetCaptureProperties::SetDisplayFlag(bool show)
{
    return CanOperate() && ForEachPage([show](IProperties& page) { return page.SetDisplayFlag(show); }, false);
}

bool CPSheetCaptureProperties::CheckNumberRanges()
{
    return !CanOperate() || ForEachPage([](CPPagePropsBase& page) { return page.CheckNumberRanges(); }, false);
}

bool CPSheetCaptureProperties::Save()
{
    return Validate() && Apply();
}

SendParam* CPSheetCaptureProperties::GetRecord()
{
    if (CanOperate() && GetShownType() >= SP_CBT_RECORDING)
    {
        std::vector<SendParam*> records;
        for (int i = 0; i < static_cast<int>(GetPages().size()); ++i)
            records.push_back(GetRecordPage(i) ? GetRecordPage(i)->GetRecord() : nullptr);
        return CombineCaptureRecord(GetShownType(), records);
    }
    const DestinationRecordOps* ops = GetDestinationRecordOps(GetShownType());
    if (!CanOperate() || !ops || GetPages().size() < 2)
        return nullptr;
    SendParam* first = GetRecordPage(0)->GetRecord();
    SendParam* timing = GetRecordPage(static_cast<int>(GetPages().size()) - 1)->GetRecord();
    if (!first || !timing)
        return nullptr;
    SendParam* record = ops->clone(*first);
    if (GetPages().size() == 3)
        if (SendParam* second = GetRecordPage(1)->GetRecord())
            TakeSecondPageFields(GetShownType(), *record, *second);
    ops->duration(*record) = ops->duration(*timing);
    ops->frequence(*record) = ops->frequence(*timing);
    return record;
}

void CPSheetCaptureProperties::RefreshIcqInfoPage(const ICQAPI_User* user)
{
    if (GetShownType() != SP_SC_ICQ || !GetSafeHwnd())
        return;
    if (auto* info = dynamic_cast<CPPagePropsScIcqInfo*>(GetRecordPage(1)))
        info->ShowUserInfo(user);
}
