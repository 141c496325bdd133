#include "config/CXmlInfoConfiguration.h"
#include "capture/controller/CLocalController.h"
#include "config/ConfigStrings.h"
#include "config/ConfigurationFields.h"

#include <cwctype>

namespace
{
const wchar_t* const kRoot = L"configuration";

// The file's integer form: leading white space skipped, an optional sign, then digits up
// to the first other character; a text that does not begin with digits is 0. False when
// the number does not fit in 32 bits.
bool ParseInteger(const CString& text, long long& value)
{
    const wchar_t* p = text.GetString();
    while (*p && std::iswspace(*p))
        ++p;
    const bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+')
        ++p;
    value = 0;
    for (; *p >= L'0' && *p <= L'9'; ++p)
    {
        value = value * 10 + (*p - L'0');
        if (value > 2147483648LL)
            return false;
    }
    if (negative)
        value = -value;
    return value >= INT_MIN && value <= INT_MAX;
}

// A record the live program holds when it is of the member's type, else null.
template <class R> R* LiveRecord(SendParam* live, const R& member)
{
    return live && live->GetType() == member.GetType() ? static_cast<R*>(live) : nullptr;
}

// The live record into the member, or the stored one when the program keeps none.
template <class R> void GatherRecord(SendParam* live, R& member)
{
    if (R* record = LiveRecord(live, member))
        member = *record;
    else
        member.LoadFromRegistry();
}

// The member into the live record and the registry, or into the registry alone.
template <class R> void ApplyRecord(SendParam* live, R& member)
{
    if (R* record = LiveRecord(live, member))
    {
        *record = member;
        record->SaveToRegistry(0);
    }
    else
        member.SaveToRegistry(0);
}

// The live record of a manager's recording or playing side; null without a manager.
template <class M> SendParam* LiveRecordOf(M* manager, bool recorder)
{
    return manager ? manager->GetLiveRecord(recorder) : nullptr;
}

} // namespace

// Writes or reads the value elements of one section (ConfigurationFields.h). Reading
// stores a value only when its element is a child of the record element being read,
// and remembers a value out of its range or beyond 32 bits as the section's failure.
class CXmlInfoConfiguration::Walker
{
public:
    Walker(CXmlInfoConfiguration& document, bool writing) : m_document(document), m_writing(writing) {}

    // Enters the section element; false when it cannot be made (writing) or is missing
    // (reading). Its values lie directly below it unless Record names a record.
    bool BeginSection(const wchar_t* name, bool directChildOfRoot)
    {
        m_section = name;
        m_record = name;
        m_valid = true;
        if (m_writing)
            return m_document.AddElement(name);
        return m_document.FindChild(name) && m_document.IsCurrentNode(MakeTag(name)) &&
               (!directChildOfRoot || m_document.PathEndsWith(MakeTag(kRoot)));
    }
    // Whether every value read so far was within its range.
    bool IsValid() const { return m_valid; }

    template <class R> void Record(const wchar_t* name, R& record)
    {
        if (EnterRecord(name))
        {
            m_record = name;
            ConfigurationFields::Visit(*this, record);
            m_record = m_section;
        }
        m_document.CloseElement(m_section);
    }

    void Text(const wchar_t* name, CString& field)
    {
        if (m_writing)
        {
            if (m_document.AddElement(name))
            {
                m_document.SetTextValue(field);
                m_document.CloseElement(m_record);
            }
        }
        else if (EnterValue(name))
        {
            field = m_document.GetTextContent();
            m_document.CloseElement(m_record);
        }
    }

    template <class T> void Int(const wchar_t* name, T& field, long long min, long long max)
    {
        long long value = static_cast<long long>(field);
        if (Number(name, value, min, max))
            field = static_cast<T>(value);
    }

    void Flag(const wchar_t* name, bool& field)
    {
        long long value = field ? 1 : 0;
        if (Number(name, value, INT_MIN, INT_MAX))
            field = value != 0;
    }

private:
    bool EnterRecord(const wchar_t* name)
    {
        if (m_writing)
            return m_document.AddElement(name);
        return m_document.FindChild(name) && m_document.IsCurrentNode(MakeTag(name)) &&
               m_document.PathEndsWith(MakeTag(m_section));
    }

    bool EnterValue(const wchar_t* name)
    {
        return m_document.FindChild(name) && m_document.IsCurrentNode(MakeTag(name)) &&
               m_document.PathEndsWith(MakeTag(m_record));
    }

    // Writes the value, or reads it into value: true when one was read and is in range.
    bool Number(const wchar_t* name, long long& value, long long min, long long max)
    {
        if (m_writing)
        {
            m_document.WriteIntElement(name, static_cast<int>(value), m_record);
            return false;
        }
        if (!EnterValue(name))
            return false;
        bool fits = ParseInteger(m_document.GetTextContent(), value) && value >= min && value <= max;
        m_document.CloseElement(m_record);
        m_valid = m_valid && fits;
        return fits;
    }

    CXmlInfoConfiguration& m_document;
    const bool m_writing;
    const wchar_t* m_section = nullptr;
    const wchar_t* m_record = nullptr;
    bool m_valid = true;
};

const CXmlInfoConfiguration::Section CXmlInfoConfiguration::kSections[7] = {
    {L"screen", IDS_CONFIG_SCREEN_ERROR},       {L"training", IDS_CONFIG_TRAINING_ERROR},
    {L"audio", IDS_CONFIG_AUDIO_ERROR},         {L"video", IDS_CONFIG_VIDEO_ERROR},
    {L"movie", IDS_CONFIG_MOVIE_ERROR},         {L"globaloptions", IDS_CONFIG_OPTIONS_ERROR},
    {L"localcontroller", IDS_CONFIG_CONTROLLER_ERROR}};

CXmlInfoConfiguration::CXmlInfoConfiguration()
{
    SetStrictLoading(true);
}

CXmlInfoConfiguration::~CXmlInfoConfiguration() = default;

CString CXmlInfoConfiguration::LoadText(UINT id)
{
    CString text;
    if (!text.LoadString(id))
        text.Format(L"Error %u.", id);
    return text;
}

CString CXmlInfoConfiguration::MakeTag(const CString& name)
{
    CString tag;
    tag.Format(L"<%s>", name.GetString());
    return tag;
}

void CXmlInfoConfiguration::WriteIntElement(const CString& name, int value, const CString& parent)
{
    if (!AddElement(name))
        return;
    wchar_t text[16];
    _itow_s(value, text, 10);
    SetTextValue(text);
    CloseElement(parent);
}

bool CXmlInfoConfiguration::Load(const CString& path)
{
    m_isConfiguration = false;
    return CXmlParser::Load(path) && m_isConfiguration;
}

bool CXmlInfoConfiguration::Save(const CString& path)
{
    Gather();
    AddElement(kRoot);
    Walker writer(*this, true);
    for (int section = 0; section < 7; ++section)
    {
        if (!writer.BeginSection(kSections[section].name, section >= 5))
            throw LoadText(kSections[section].textId);
        WalkSection(writer, section);
        CloseElement(kRoot);
    }
    if (!CXmlParser::Save(path))
        throw LoadText(IDS_CONFIG_FILE_ERROR);
    return true;
}

void CXmlInfoConfiguration::Read()
{
    if (!FindChild(kRoot) || !IsCurrentNode(MakeTag(kRoot)))
        return;
    m_isConfiguration = true;
    Controller();
    // A missing option keeps these presets.
    m_showErrorLog = m_showData = true;
    m_maxLines = 1000;
    Walker reader(*this, false);
    for (int section = 0; section < 7; ++section)
    {
        if (!reader.BeginSection(kSections[section].name, section >= 5))
            throw LoadText(kSections[section].textId);
        WalkSection(reader, section);
        if (!reader.IsValid())
            throw LoadText(kSections[section].textId);
        CloseElement(kRoot);
    }
    Apply();
}

void CXmlInfoConfiguration::WalkSection(Walker& walker, int section)
{
    switch (section)
    {
    case 0:
        walker.Record(L"file", m_file);
        walker.Record(L"fax", m_fax);
        walker.Record(L"editor", m_editor);
        walker.Record(L"email", m_email);
        walker.Record(L"icq", m_icq);
        walker.Record(L"clipboard", m_clipboard);
        walker.Record(L"printer", m_printer);
        walker.Record(L"screensaver", m_screenSaver);
        walker.Record(L"wallpaper", m_wallpaper);
        walker.Record(L"web", m_web);
        walker.Record(L"db", m_database);
        walker.Record(L"settings", m_settings);
        break;
    case 1:
        walker.Record(L"Recording", m_cbtRecording);
        walker.Record(L"Playing", m_cbtPlaying);
        break;
    case 2:
        walker.Record(L"Recording", m_audioRecording);
        walker.Record(L"Playing", m_audioPlaying);
        break;
    case 3:
        walker.Record(L"Recording", m_videoRecording);
        walker.Record(L"Playing", m_videoPlaying);
        break;
    case 4:
        walker.Record(L"Recording", m_presentationRecording);
        walker.Record(L"Playing", static_cast<InfoVideoPlaying&>(m_presentationPlaying));
        break;
    case 5:
        walker.Flag(L"logentries", m_showErrorLog);
        walker.Flag(L"outputdata", m_showData);
        walker.Int(L"maxlines", m_maxLines, 1, 10000);
        break;
    default:
        walker.Int(L"capturetype", m_captureType, 1, 5);
        walker.Flag(L"cbtrecactive", m_recActive[0]);
        walker.Flag(L"audiorecactive", m_recActive[1]);
        walker.Flag(L"videorecactive", m_recActive[2]);
        walker.Flag(L"presrecactive", m_recActive[3]);
        walker.Int(L"cbthotkeys", m_cbtHotKeys, 0, 2);
        break;
    }
}

template <class F> void CXmlInfoConfiguration::ForEachDestination(F f)
{
    f(m_file);
    f(m_fax);
    f(m_email);
    f(m_editor);
    f(m_icq);
    f(m_printer);
    f(m_screenSaver);
    f(m_wallpaper);
    f(m_clipboard);
    f(m_web);
    f(m_database);
}

template <class F> void CXmlInfoConfiguration::ForEachKindRecord(F f)
{
    CLocalController& controller = Controller();
    ITrainingCaptureManager* training = controller.GetTrainingManager();
    IMediaCaptureManager* audio = controller.GetAudioManager();
    IMediaCaptureManager* video = controller.GetVideoManager();
    IMediaCaptureManager* movie = controller.GetMovieManager();
    f(LiveRecordOf(training, false), m_cbtPlaying);
    f(LiveRecordOf(training, true), m_cbtRecording);
    f(LiveRecordOf(audio, false), m_audioPlaying);
    f(LiveRecordOf(audio, true), m_audioRecording);
    f(LiveRecordOf(video, false), m_videoPlaying);
    f(LiveRecordOf(video, true), m_videoRecording);
    f(LiveRecordOf(movie, false), m_presentationPlaying);
    f(LiveRecordOf(movie, true), m_presentationRecording);
}

void CXmlInfoConfiguration::Gather()
{
    CScreenCaptureManager* screen = Controller().GetScreenManager();
    ForEachDestination([screen](auto& member) { GatherRecord(screen ? screen->GetRecord(member.GetType()) : nullptr, member); });
    GatherRecord(screen ? screen->GetSettings() : nullptr, m_settings);
    ForEachKindRecord([](SendParam* live, auto& member) { GatherRecord(live, member); });
    GatherController();
}

void CXmlInfoConfiguration::GatherController()
{
    CLocalController& controller = Controller();
    m_captureType = controller.GetCaptureType();
    for (int type = 2; type <= 5; ++type)
        m_recActive[type - 2] = controller.IsRecActive(type);
    m_cbtHotKeys = controller.GetCBTHotKeys();
    // Storing the live options writes them to the registry again.
    const CGlobalOptions& live = controller.GetGlobalOptions();
    m_options.SetOptions(live.GetShowErrorLog(), live.GetShowData(), live.GetMaxLines());
    m_showErrorLog = m_options.GetShowErrorLog();
    m_showData = m_options.GetShowData();
    m_maxLines = static_cast<int>(m_options.GetMaxLines());
}

void CXmlInfoConfiguration::Apply()
{
    ApplyScreen();
    ForEachKindRecord([](SendParam* live, auto& member) { ApplyRecord(live, member); });
    ApplyController();
}

void CXmlInfoConfiguration::ApplyScreen()
{
    CScreenCaptureManager* screen = Controller().GetScreenManager();
    // Each destination takes a copy of its record, which also goes to the registry, as
    // the destination pages do.
    ForEachDestination([screen](SendParam& member) {
        if (screen)
            screen->SetRecord(&member, member.GetType(), 0);
        member.SaveToRegistry(0);
    });
    if (!screen)
    {
        m_settings.SaveToRegistry(0);
        return;
    }
    screen->SetSettings(m_settings);
    screen->GetSettings()->SaveToRegistry(0);
    // The movie manager follows the screen's selection settings.
    if (IMovieCaptureManager* movie = Controller().GetMovieManager())
        movie->SetSelectionSettings(m_settings.Type, m_settings.HoldTime, m_settings.ShowSize, m_settings.CaptCursor);
}

void CXmlInfoConfiguration::ApplyController()
{
    // Each setter stores its value and writes it to the registry.
    CLocalController& controller = Controller();
    controller.SetCaptureType(m_captureType);
    for (int type = 2; type <= 5; ++type)
        controller.SetRecActive(type, m_recActive[type - 2]);
    controller.SetCBTHotKeys(m_cbtHotKeys);
    controller.GetGlobalOptions().SetOptions(m_showErrorLog, m_showData, static_cast<DWORD>(m_maxLines));
}

CLocalController& CXmlInfoConfiguration::Controller()
{
    CLocalController* controller = GetLocalController();
    if (!controller)
        throw LoadText(IDS_CONFIG_FILE_ERROR);
    return *controller;
}
