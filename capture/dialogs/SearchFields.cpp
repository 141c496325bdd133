#include "capture/dialogs/SearchFields.h"

#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoScDatabase.h"
#include "Info/InfoScEditor.h"
#include "Info/InfoScEmail.h"
#include "Info/InfoScFax.h"
#include "Info/InfoScFile.h"
#include "Info/InfoScIcq.h"
#include "Info/InfoScPrinter.h"
#include "Info/InfoScScreenSaver.h"
#include "Info/InfoScWallpaper.h"
#include "Info/InfoScWeb.h"
#include "Info/InfoVideoRecording.h"

namespace
{
CString Decimal(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

// The web password is left out: its edit shows no text.
std::vector<SearchField> WebFields(const InfoScWeb& web)
{
    return {{0, 1634, web.FName}, {0, 1636, web.FPath},     {1, 1633, web.HostAddress},
            {1, 1634, web.Login}, {1, 1636, web.WebPath}, {1, 1637, Decimal(web.Port)}};
}

std::vector<SearchField> TrainingPlayingFields(const InfoCBTPlaying& play)
{
    return {{0, 1177, play.PlayFName},
            {0, 1180, Decimal(play.PlayRepeat)},
            {1, 1612, play.PlayAppFileName},
            {1, 1620, play.PlayCmdLine},
            {1, 1615, Decimal(play.PlayWndLeft)},
            {1, 1616, Decimal(play.PlayWndTop)},
            {1, 1617, Decimal(play.PlayWndWidth)},
            {1, 1618, Decimal(play.PlayWndHeight)},
            {1, 1619, Decimal(play.PlayDelayTime)}};
}

// The contact's number shows in the user list only when a contact is chosen (0: none);
// the names show in the read-only edits beside it.
std::vector<SearchField> IcqFields(const InfoScIcq& icq)
{
    std::vector<SearchField> fields = {{0, 1068, icq.FirstName}, {0, 1069, icq.LastName}};
    if (icq.UID != 0)
        fields.insert(fields.begin(), {0, 1154, Decimal(icq.UID)});
    return fields;
}

// The recording and playing records of training, audio, video and movie capture.
std::vector<SearchField> CaptureKindFields(const SendParam& record)
{
    switch (record.GetType())
    {
    case SP_CBT_RECORDING:
    {
        const auto& rec = static_cast<const InfoCBTRecording&>(record);
        return {{0, 1162, rec.RecFName},
                {0, 1161, rec.RecPath},
                {1, 1173, rec.RecSoundDevice},
                {1, 1347, rec.RecInputPinName}};
    }
    case SP_CBT_PLAYING:
        return TrainingPlayingFields(static_cast<const InfoCBTPlaying&>(record));
    case SP_AUDIO_RECORDING:
    {
        const auto& rec = static_cast<const InfoAudioRecording&>(record);
        return {{0, 1337, rec.RecFName},
                {0, 1339, rec.RecPath},
                {1, 1345, rec.RecInputDevice},
                {1, 1141, rec.RecInputPinName}};
    }
    case SP_AUDIO_PLAYING:
    {
        const auto& play = static_cast<const InfoAudioPlaying&>(record);
        return {{0, 1322, play.PlayFName}, {0, 1329, Decimal(play.PlayRepeat)}};
    }
    case SP_VIDEO_RECORDING:
    {
        const auto& rec = static_cast<const InfoVideoRecording&>(record);
        return {{0, 1397, rec.RecFName},
                {0, 1399, rec.RecPath},
                {1, 1405, rec.RecVideoDevice},
                {1, 1406, Decimal(rec.RecFramesRate)},
                {1, 1424, Decimal(rec.RecWndLeft)},
                {1, 1425, Decimal(rec.RecWndTop)},
                {1, 1426, Decimal(rec.RecWndWidth)},
                {1, 1427, Decimal(rec.RecWndHeight)},
                {2, 1411, rec.RecAudioInputDevice},
                {2, 1415, rec.RecAudioInputPinName}};
    }
    case SP_VIDEO_PLAYING:
    {
        const auto& play = static_cast<const InfoVideoPlaying&>(record);
        return {{0, 1382, play.PlayFName},
                {0, 1395, Decimal(play.PlayRepeat)},
                {0, 1428, Decimal(play.PlayWndLeft)},
                {0, 1429, Decimal(play.PlayWndTop)},
                {0, 1430, Decimal(play.PlayWndWidth)},
                {0, 1431, Decimal(play.PlayWndHeight)}};
    }
    case SP_PRESENTATION_RECORDING:
    {
        const auto& rec = static_cast<const InfoPresentationRecording&>(record);
        return {{0, 1558, rec.RecFName},
                {0, 1560, rec.RecPath},
                {1, 1587, Decimal(rec.RecFreq)},
                {1, 1590, Decimal(rec.RecFramesRate)}};
    }
    case SP_PRESENTATION_PLAYING:
    {
        const auto& play = static_cast<const InfoPresentationPlaying&>(record);
        return {{0, 1566, play.PlayFName},
                {0, 1571, Decimal(play.PlayRepeat)},
                {0, 1574, Decimal(play.PlayWndLeft)},
                {0, 1575, Decimal(play.PlayWndTop)},
                {0, 1577, Decimal(play.PlayWndWidth)},
                {0, 1576, Decimal(play.PlayWndHeight)}};
    }
    default:
        return {};
    }
}
} // namespace

std::vector<SearchField> SearchableFields(const SendParam& record)
{
    switch (record.GetType())
    {
    case SP_SC_FILE:
    {
        const auto& file = static_cast<const InfoScFile&>(record);
        return {{0, 1091, file.FName}, {0, 1093, file.FPath}};
    }
    case SP_SC_EDITOR:
        return {{0, 1096, static_cast<const InfoScEditor&>(record).FName}};
    case SP_SC_EMAIL:
    {
        const auto& mail = static_cast<const InfoScEmail&>(record);
        return {{0, 1069, mail.Server},  {0, 1068, mail.From},    {0, 1060, mail.To},
                {0, 1061, mail.CC},      {1, 1062, mail.Subject}, {1, 1063, mail.Body}};
    }
    case SP_SC_ICQ:
        return IcqFields(static_cast<const InfoScIcq&>(record));
    case SP_SC_PRINTER:
    {
        const auto& printer = static_cast<const InfoScPrinter&>(record);
        return {{0, 1087, printer.Name},
                {0, 1088, printer.DrvName},
                {0, 1089, printer.PortName},
                {0, 1090, Decimal(printer.NumCopies)}};
    }
    case SP_SC_FAX:
    {
        const auto& fax = static_cast<const InfoScFax&>(record);
        return {{0, 1058, fax.SvrName},       {0, 1077, fax.RecName},       {0, 1078, fax.RecNumber},
                {0, 1079, fax.RecCompany},    {0, 1080, fax.RecDepartment}, {1, 1495, fax.CoverPageName},
                {1, 1081, fax.Subject},       {1, 1082, fax.Note}};
    }
    case SP_SC_DATABASE:
    {
        const auto& database = static_cast<const InfoScDatabase&>(record);
        return {{0, 1631, database.ConnStr}, {0, 1632, database.Table}, {0, 1633, database.BlobCol}};
    }
    case SP_SC_SCREENSAVER:
        return {{0, 1116, static_cast<const InfoScScreenSaver&>(record).Name}};
    case SP_SC_WALLPAPER:
        return {{0, 1119, static_cast<const InfoScWallpaper&>(record).Name}};
    case SP_SC_WEB:
        return WebFields(static_cast<const InfoScWeb&>(record));
    default:
        return CaptureKindFields(record);
    }
}

bool MatchesSearch(const CString& field, const CString& text, bool matchCase, bool wholeWord)
{
    if (text.IsEmpty())
        return false;
    CString haystack = field, needle = text;
    if (!matchCase)
    {
        haystack.MakeUpper();
        needle.MakeUpper();
    }
    if (!wholeWord)
        return haystack.Find(needle) >= 0;
    for (int start = 0; start <= haystack.GetLength();)
    {
        int end = haystack.Find(L' ', start);
        if (end < 0)
            end = haystack.GetLength();
        if (haystack.Mid(start, end - start) == needle)
            return true;
        start = end + 1;
    }
    return false;
}
