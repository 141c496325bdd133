#include "VellWizSchTask/JobLineBuilder.h"

#include "Info/InfoAudioPlaying.h"
#include "Info/InfoAudioRecording.h"
#include "Info/InfoCBTPlaying.h"
#include "Info/InfoCBTRecording.h"
#include "Info/InfoPresentationPlaying.h"
#include "Info/InfoPresentationRecording.h"
#include "Info/InfoScClipboard.h"
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
#include "VellWizSchTask/JobLineText.h"

namespace
{
// Appends flags and their values, each after one blank.
class LineWriter
{
public:
    explicit LineWriter(const wchar_t* typeWord) : m_line(L"-type ") { m_line += typeWord; }

    LineWriter& Text(const wchar_t* flag, const CString& value) { return Add(flag, QuoteJobText(value)); }
    LineWriter& Plain(const wchar_t* flag, const CString& value) { return Add(flag, QuoteJobPlain(value)); }
    LineWriter& Number(const wchar_t* flag, long long value)
    {
        CString text;
        text.Format(L"%lld", value);
        return Add(flag, text);
    }
    const CString& Line() const { return m_line; }

private:
    LineWriter& Add(const wchar_t* flag, const CString& value)
    {
        m_line += L' ';
        m_line += flag;
        m_line += L' ';
        m_line += value;
        return *this;
    }

    CString m_line;
};

template <class Record> const Record& As(const SendParam& record)
{
    return static_cast<const Record&>(record);
}

// The destination's own flags, which stand between "-size" and "-duration".
void WriteDestination(LineWriter& w, const SendParam& record)
{
    switch (record.GetType())
    {
    case SP_SC_FILE: {
        const InfoScFile& r = As<InfoScFile>(record);
        w.Text(L"-file", r.FName).Text(L"-path", r.FPath).Number(L"-imgType", r.FType).Number(L"-overwrite", r.Overwrite);
        break;
    }
    case SP_SC_EDITOR: {
        const InfoScEditor& r = As<InfoScEditor>(record);
        w.Text(L"-editorPath", r.FName).Number(L"-imgType", r.FType);
        break;
    }
    case SP_SC_EMAIL: {
        const InfoScEmail& r = As<InfoScEmail>(record);
        w.Text(L"-server", r.Server).Text(L"-from", r.From).Text(L"-to", r.To).Text(L"-cc", r.CC);
        w.Text(L"-subject", r.Subject).Text(L"-body", r.Body).Number(L"-imgAttached", r.Attached);
        w.Number(L"-imgType", r.FType);
        break;
    }
    case SP_SC_ICQ: {
        const InfoScIcq& r = As<InfoScIcq>(record);
        w.Number(L"-UID", r.UID).Number(L"-imgType", r.FType);
        break;
    }
    case SP_SC_PRINTER: {
        const InfoScPrinter& r = As<InfoScPrinter>(record);
        w.Text(L"-prtName", r.Name).Text(L"-drvName", r.DrvName).Text(L"-portName", r.PortName);
        w.Number(L"-orient", r.Orientation).Number(L"-numCopies", r.NumCopies);
        break;
    }
    case SP_SC_FAX: {
        const InfoScFax& r = As<InfoScFax>(record);
        w.Text(L"-svrName", r.SvrName).Text(L"-recipNum", r.RecNumber).Text(L"-recipName", r.RecName);
        w.Text(L"-recipComp", r.RecCompany).Text(L"-recipDepart", r.RecDepartment).Text(L"-note", r.Note);
        w.Text(L"-subject", r.Subject).Text(L"-covPgName", r.CoverPageName).Number(L"-useCovPg", r.UseCoverPage);
        break;
    }
    case SP_SC_DATABASE: {
        const InfoScDatabase& r = As<InfoScDatabase>(record);
        w.Text(L"-connStr", r.ConnStr).Text(L"-table", r.Table).Text(L"-blobCol", r.BlobCol);
        w.Text(L"-extraCol", r.ExtraColInfo);
        break;
    }
    case SP_SC_CLIPBOARD:
        w.Number(L"-imgType", As<InfoScClipboard>(record).FType);
        break;
    case SP_SC_SCREENSAVER: {
        const InfoScScreenSaver& r = As<InfoScScreenSaver>(record);
        w.Text(L"-name", r.Name).Number(L"-createUnique", r.Unique).Number(L"-makeCurrent", r.MakeCurrent);
        break;
    }
    case SP_SC_WALLPAPER: {
        const InfoScWallpaper& r = As<InfoScWallpaper>(record);
        w.Text(L"-name", r.Name).Number(L"-createUnique", r.Unique).Number(L"-displayType", r.DisplayType);
        break;
    }
    case SP_SC_WEB: {
        const InfoScWeb& r = As<InfoScWeb>(record);
        w.Number(L"-webSvr", r.SvrType).Plain(L"-hostAddr", r.HostAddress).Number(L"-port", r.Port);
        w.Text(L"-login", r.Login).Text(L"-pwd", r.Pwd).Text(L"-webPath", r.WebPath);
        w.Text(L"-file", r.FName).Text(L"-path", r.FPath).Number(L"-imgType", r.FType);
        w.Number(L"-overwrite", r.Overwrite);
        break;
    }
    default:
        break;
    }
}

CString ScreenLine(const SendParam& record, const JobSelection& s)
{
    LineWriter w(L"VELLUMOR_SC");
    w.Number(L"-esParam", record.GetType()).Number(L"-escType", s.selectionType).Text(L"-size", s.sizeText);
    WriteDestination(w, record);
    w.Number(L"-duration", s.duration).Number(L"-freq", s.frequence).Number(L"-captCursor", s.captureCursor);
    return w.Line();
}

CString TrainingLine(const SendParam& record)
{
    LineWriter w(L"VELLUMOR_CBT");
    if (record.GetType() == SP_CBT_RECORDING)
    {
        const InfoCBTRecording& r = As<InfoCBTRecording>(record);
        w.Number(L"-cbtType", 1).Text(L"-file", r.RecFName).Text(L"-path", r.RecPath);
        w.Number(L"-overwrite", r.RecOverwrite).Number(L"-sound", r.RecSound).Text(L"-device", r.RecSoundDevice);
        w.Text(L"-format", r.RecSoundFormat).Text(L"-pinName", r.RecInputPinName);
        w.Number(L"-skipMouse", r.RecSkipMouse).Number(L"-skipKb", r.RecSkipKeyboard);
        return w.Number(L"-duration", r.RecDuration).Line();
    }
    const InfoCBTPlaying& r = As<InfoCBTPlaying>(record);
    w.Number(L"-cbtType", 0).Text(L"-file", r.PlayFName).Number(L"-sound", r.PlaySound);
    w.Number(L"-repeat", r.PlayRepeat).Number(L"-skipMouse", r.PlaySkipMouse);
    w.Number(L"-skipKb", r.PlaySkipKeyboard).Number(L"-duration", r.PlayDuration);
    w.Text(L"-appToLaunch", r.PlayAppFileName).Text(L"-cmdLine", r.PlayCmdLine);
    w.Number(L"-left", r.PlayWndLeft).Number(L"-top", r.PlayWndTop).Number(L"-width", r.PlayWndWidth);
    return w.Number(L"-height", r.PlayWndHeight).Number(L"-delayTime", r.PlayDelayTime).Line();
}

CString AudioLine(const SendParam& record)
{
    LineWriter w(L"VELLUMOR_AUDIO");
    if (record.GetType() == SP_AUDIO_RECORDING)
    {
        const InfoAudioRecording& r = As<InfoAudioRecording>(record);
        w.Number(L"-audioType", 1).Text(L"-file", r.RecFName).Text(L"-path", r.RecPath);
        w.Number(L"-fileType", r.RecFType).Number(L"-overwrite", r.RecOverwrite);
        w.Text(L"-device", r.RecInputDevice).Text(L"-format", r.RecInputFormat);
        return w.Text(L"-pinName", r.RecInputPinName).Number(L"-duration", r.RecDuration).Line();
    }
    const InfoAudioPlaying& r = As<InfoAudioPlaying>(record);
    w.Number(L"-audioType", 0).Text(L"-file", r.PlayFName).Number(L"-repeat", r.PlayRepeat);
    return w.Number(L"-duration", r.PlayDuration).Line();
}

// Video and movie playings write the same flags.
CString PlayingLine(LineWriter& w, const InfoVideoPlaying& r)
{
    w.Text(L"-file", r.PlayFName).Number(L"-repeat", r.PlayRepeat).Number(L"-duration", r.PlayDuration);
    w.Number(L"-left", r.PlayWndLeft).Number(L"-top", r.PlayWndTop).Number(L"-width", r.PlayWndWidth);
    return w.Number(L"-height", r.PlayWndHeight).Number(L"-audio", r.PlayAudio).Line();
}

CString VideoLine(const SendParam& record)
{
    LineWriter w(L"VELLUMOR_VIDEO");
    if (record.GetType() != SP_VIDEO_RECORDING)
        return PlayingLine(w.Number(L"-videoType", 0), As<InfoVideoPlaying>(record));
    const InfoVideoRecording& r = As<InfoVideoRecording>(record);
    w.Number(L"-videoType", 1).Text(L"-file", r.RecFName).Text(L"-path", r.RecPath);
    w.Number(L"-fileType", r.RecFType).Number(L"-overwrite", r.RecOverwrite).Number(L"-duration", r.RecDuration);
    w.Text(L"-videoDevice", r.RecVideoDevice).Number(L"-framesRate", r.RecFramesRate);
    w.Number(L"-preview", r.RecPreview).Number(L"-left", r.RecWndLeft).Number(L"-top", r.RecWndTop);
    w.Number(L"-width", r.RecWndWidth).Number(L"-height", r.RecWndHeight).Number(L"-audio", r.RecAudio);
    w.Text(L"-audioDevice", r.RecAudioInputDevice).Text(L"-audioFormat", r.RecAudioInputFormat);
    return w.Text(L"-audioPinName", r.RecAudioInputPinName).Line();
}

CString MovieLine(const SendParam& record, const JobSelection& s)
{
    LineWriter w(L"VELLUMOR_PRESENTATION");
    if (record.GetType() != SP_PRESENTATION_RECORDING)
        return PlayingLine(w.Number(L"-presType", 0), As<InfoPresentationPlaying>(record));
    const InfoPresentationRecording& r = As<InfoPresentationRecording>(record);
    w.Number(L"-presType", 1).Text(L"-file", r.RecFName).Text(L"-path", r.RecPath);
    w.Number(L"-fileType", r.RecFileType).Number(L"-overwrite", r.RecOverwrite);
    w.Number(L"-duration", r.RecDuration).Number(L"-freq", r.RecFreq).Number(L"-framesRate", r.RecFramesRate);
    w.Number(L"-escType", s.selectionType).Text(L"-size", s.sizeText);
    return w.Number(L"-captCursor", s.captureCursor).Line();
}
} // namespace

CString BuildJobLine(const SendParam& record, const JobSelection& selection)
{
    const EnumSendParam type = record.GetType();
    if (type >= SP_SC_FILE && type <= SP_SC_WEB)
        return ScreenLine(record, selection);
    switch (type)
    {
    case SP_CBT_RECORDING:
    case SP_CBT_PLAYING:
        return TrainingLine(record);
    case SP_AUDIO_RECORDING:
    case SP_AUDIO_PLAYING:
        return AudioLine(record);
    case SP_VIDEO_RECORDING:
    case SP_VIDEO_PLAYING:
        return VideoLine(record);
    case SP_PRESENTATION_RECORDING:
    case SP_PRESENTATION_PLAYING:
        return MovieLine(record, selection);
    default:
        return CString();
    }
}
