#include "capture/destinations/CImageDestinations.h"

#include "capture/CaptureStrings.h"
#include "capture/destinations/DestinationTable.h"
#include "framework/CWaitCursor.h"

namespace
{
// The order in which the destinations run, their failures join and the last image is
// looked for.
const EnumSendParam kRunOrder[] = {
    SP_SC_FILE,      SP_SC_PRINTER,  SP_SC_FAX,         SP_SC_EDITOR,    SP_SC_EMAIL, SP_SC_ICQ,
    SP_SC_CLIPBOARD, SP_SC_DATABASE, SP_SC_SCREENSAVER, SP_SC_WALLPAPER, SP_SC_WEB,
};

// The order in which the destination whose duration counts is chosen.
const EnumSendParam kDurationOrder[] = {
    SP_SC_FILE,      SP_SC_PRINTER,  SP_SC_ICQ,    SP_SC_SCREENSAVER, SP_SC_WALLPAPER, SP_SC_WEB,
    SP_SC_CLIPBOARD, SP_SC_DATABASE, SP_SC_EDITOR, SP_SC_FAX,         SP_SC_EMAIL,
};

// True (and busy) while the object lives.
class BusyScope
{
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { m_busy = false; }

private:
    bool& m_busy;
};

template <class Destination, class Record> void UseRecord(Destination& destination, const SendParam& record)
{
    destination.UseInfo(static_cast<const Record&>(record));
}
} // namespace

CImageDestinations::CImageDestinations(const CIcqApiLibrary& icqApi)
    : m_file(new CImageFile), m_printer(new CImagePrinter), m_fax(new NewFileDestination<CImageFax>),
      m_editor(new NewFileDestination<CImageEditor>), m_email(new NewFileDestination<CImageEmail>),
      m_icq(new NewFileDestination<CImageICQ>(icqApi)), m_clipboard(new CImageClipboard),
      m_database(new CImageDatabase), m_screenSaver(new CImageScreenSaver), m_wallpaper(new CImageWallpaper),
      m_web(new CImageWeb), m_settings(new InfoScSettings)
{
    LoadFromRegistry();
}

CImageDestinations::~CImageDestinations() = default;

void CImageDestinations::LoadFromRegistry()
{
    m_settings->LoadFromRegistry();
    for (EnumSendParam type : kRunOrder)
        Destination(type)->GetInfo()->LoadFromRegistry();
}

SendParam* CImageDestinations::GetInfo(EnumSendParam type)
{
    CImageBase* destination = Destination(type);
    return destination ? destination->GetInfo() : nullptr;
}

void CImageDestinations::SetInfo(const SendParam* record, EnumSendParam type, unsigned int part)
{
    if (CImageBase* destination = Destination(type))
        destination->SetInfo(record, part);
}

void CImageDestinations::UseInfo(const SendParam& record)
{
    switch (record.GetType())
    {
    case SP_SC_FILE:
        return UseRecord<CImageFile, InfoScFile>(*m_file, record);
    case SP_SC_PRINTER:
        return UseRecord<CImagePrinter, InfoScPrinter>(*m_printer, record);
    case SP_SC_FAX:
        return UseRecord<CImageFax, InfoScFax>(*m_fax, record);
    case SP_SC_EDITOR:
        return UseRecord<CImageEditor, InfoScEditor>(*m_editor, record);
    case SP_SC_EMAIL:
        return UseRecord<CImageEmail, InfoScEmail>(*m_email, record);
    case SP_SC_ICQ:
        return UseRecord<CImageICQ, InfoScIcq>(*m_icq, record);
    case SP_SC_CLIPBOARD:
        return UseRecord<CImageClipboard, InfoScClipboard>(*m_clipboard, record);
    case SP_SC_DATABASE:
        return UseRecord<CImageDatabase, InfoScDatabase>(*m_database, record);
    case SP_SC_SCREENSAVER:
        return UseRecord<CImageScreenSaver, InfoScScreenSaver>(*m_screenSaver, record);
    case SP_SC_WALLPAPER:
        return UseRecord<CImageWallpaper, InfoScWallpaper>(*m_wallpaper, record);
    case SP_SC_WEB:
        return UseRecord<CImageWeb, InfoScWeb>(*m_web, record);
    default:
        return;
    }
}

HBITMAP CImageDestinations::GetLastImage(const InfoScSettings& settings) const
{
    for (EnumSendParam type : kRunOrder)
    {
        if (!(settings.*DestinationOf(type).flag))
            continue;
        if (HBITMAP bitmap = Destination(type)->GetBitmap())
            return bitmap;
    }
    return nullptr;
}

int CImageDestinations::GetDuration() const
{
    for (EnumSendParam type : kDurationOrder)
        if (m_settings.get()->*DestinationOf(type).flag)
            return GetDestinationTiming(*Destination(type)->GetInfo()).duration;
    return 0;
}

DestinationResult CImageDestinations::ProcessRegion(HRGN region)
{
    return Grab([region](CImageBase& d) { return d.GrabRegion(region); });
}

DestinationResult CImageDestinations::ProcessRect(const RECT& rect)
{
    return Grab([&rect](CImageBase& d) { return d.GrabRect(rect); });
}

DestinationResult CImageDestinations::ProcessWindow(HWND window)
{
    return Grab([window](CImageBase& d) { return d.GrabWindow(window); });
}

DestinationResult CImageDestinations::ProcessAgain()
{
    CWaitCursor wait;
    m_errorText.Empty();
    if (!CheckSelectionDone() || !CheckLastImage())
        return DR_NOTHING_DONE;
    BusyScope busy(m_busy);
    return Run([](CImageBase& d) { return d.Execute(); }, true);
}

DestinationResult CImageDestinations::ProcessRegionWithInfo(HRGN region)
{
    return GrabAndRun([region](CImageBase& d) { return d.GrabRegion(region); });
}

DestinationResult CImageDestinations::ProcessRectWithInfo(const RECT& rect)
{
    return GrabAndRun([&rect](CImageBase& d) { return d.GrabRect(rect); });
}

DestinationResult CImageDestinations::ProcessWindowWithInfo(HWND window)
{
    return GrabAndRun([window](CImageBase& d) { return d.GrabWindow(window); });
}

CImageBase* CImageDestinations::Destination(EnumSendParam type) const
{
    switch (type)
    {
    case SP_SC_FILE:
        return m_file.get();
    case SP_SC_PRINTER:
        return m_printer.get();
    case SP_SC_FAX:
        return m_fax.get();
    case SP_SC_EDITOR:
        return m_editor.get();
    case SP_SC_EMAIL:
        return m_email.get();
    case SP_SC_ICQ:
        return m_icq.get();
    case SP_SC_CLIPBOARD:
        return m_clipboard.get();
    case SP_SC_DATABASE:
        return m_database.get();
    case SP_SC_SCREENSAVER:
        return m_screenSaver.get();
    case SP_SC_WALLPAPER:
        return m_wallpaper.get();
    case SP_SC_WEB:
        return m_web.get();
    default:
        return nullptr;
    }
}

DestinationResult CImageDestinations::Run(const Operation& operation, bool enabledOnly)
{
    DestinationResult combined = DR_DONE;
    for (EnumSendParam type : kRunOrder)
    {
        const DestinationEntry& entry = DestinationOf(type);
        if (enabledOnly && !(m_settings.get()->*entry.flag))
            continue;
        CImageBase& destination = *Destination(type);
        DestinationResult result = operation(destination);
        if (result == DR_DONE)
            continue;
        m_errorText += entry.label;
        m_errorText += destination.GetErrorText();
        if (combined != DR_NOTHING_DONE)
            combined = result;
    }
    return combined;
}

DestinationResult CImageDestinations::Grab(const Operation& grab)
{
    m_errorText.Empty();
    if (!CheckSelectionDone())
        return DR_NOTHING_DONE;
    // The fax, editor, e-mail and ICQ destinations write this picture to a new
    // image file.
    m_fax->StartNewImageFile();
    m_editor->StartNewImageFile();
    m_email->StartNewImageFile();
    m_icq->StartNewImageFile();
    // The screen is read once, by the first destination; every other one holds the
    // same picture (or that read's failure), so all send what one moment showed.
    CImageBase& reader = *m_file;
    const DestinationResult read = grab(reader);
    const std::shared_ptr<const CImage> picture = read == DR_DONE ? reader.GetPicture() : nullptr;
    const CString readError = reader.GetErrorText();
    DestinationResult result =
        Run([&](CImageBase& d) { return &d == &reader ? read : d.UsePicture(picture, readError); }, false);
    m_lastImage = result == DR_DONE;
    return result;
}

DestinationResult CImageDestinations::GrabAndRun(const Operation& grab)
{
    CWaitCursor wait;
    DestinationResult grabbed = Grab(grab);
    if (grabbed != DR_DONE)
        return grabbed;
    BusyScope busy(m_busy);
    return Run([](CImageBase& d) { return d.Execute(); }, true);
}

bool CImageDestinations::CheckSelectionDone()
{
    if (m_settings->IsSelectionDone())
        return true;
    AppendText(IDS_NO_SELECTION_DONE);
    return false;
}

bool CImageDestinations::CheckLastImage()
{
    if (m_lastImage)
        return true;
    AppendText(IDS_NO_PREVIOUS_IMAGE);
    return false;
}

void CImageDestinations::AppendText(UINT id)
{
    CString text;
    text.LoadString(id);
    m_errorText += text;
}
