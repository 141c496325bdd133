#include "cuehook/CEventManager.h"
#include "cuehook/CMutexLock.h"
#include "cuehook/CTrainingFile.h"
#include "cuehook/EventMessages.h"
#include <utility>

namespace
{
// The array grows in steps of this many events, so appending in the hook path costs a
// reallocation only now and then.
const UINT kGrowth = 500;
const int kMaxErrorLength = 500;
// The capture engine's hidden timer window: its window events are not the user's.
const wchar_t* const kTimerWindowClass = L"$ZVellumorTimerZ$";

void SetError(CString* error, const CString& text)
{
    if (error)
        *error = text.Left(kMaxErrorLength);
}

void ClearError(CString* error)
{
    if (error)
        error->Empty();
}

// The wait before an event recorded at time after one recorded at previous. An event
// stamped earlier (the tick count wrapped, or recordings were joined) still waits 1 ms,
// as a journal hook does, and never goes out together with the one before.
int GapDelay(DWORD previous, DWORD time)
{
    const int gap = static_cast<int>(time - previous);
    return gap < 0 ? 1 : gap;
}
} // namespace

CEventManager::CEventManager(HANDLE heap) : m_heap(heap), m_events(heap), m_mutex(CreateMutexW(nullptr, FALSE, nullptr))
{
}

CEventManager::~CEventManager()
{
    m_soundTrack.reset();
    {
        CMutexLock lock(m_mutex);
        m_events.Free();
    }
    CloseHandle(m_mutex);
}

void CEventManager::CreateSoundTrack(SoundEngineFactory factory)
{
    m_soundTrack = std::make_unique<CSoundTrack>(std::move(factory));
}

bool CEventManager::StartRecorder(const CString* device, const WAVEFORMATEX* format, const CString* inputPin,
                                  bool skipMouse, bool skipKeyboard, bool recordSound, bool resetEvents, CString* error)
{
    CMutexLock lock(m_mutex);
    if (m_recording || m_playing)
        return false;
    m_recordSkipMouse = skipMouse;
    m_recordSkipKeyboard = skipKeyboard;
    m_recordSound = recordSound;
    if (resetEvents)
    {
        m_events.Resize(kGrowth);
        m_count = 0;
    }
    m_position = m_count;
    m_recording = true;
    m_recordPaused = false;
    if (!m_recordSound || !m_soundTrack)
        return true;
    if (m_soundTrack->StartRecording(device ? *device : CString(), format, inputPin ? *inputPin : CString()))
        return true;
    SetError(error, m_soundTrack->GetErrorText());
    return false;
}

void CEventManager::StopRecorder(bool freeEvents)
{
    CMutexLock lock(m_mutex);
    if (!m_recording)
        return;
    m_recording = m_recordPaused = m_recordSkipMouse = m_recordSkipKeyboard = false;
    m_systemModal = false;
    if (freeEvents)
    {
        m_events.Free();
        m_count = m_position = 0;
    }
    m_recordSound = false;
}

void CEventManager::PauseRecorder()
{
    CMutexLock lock(m_mutex);
    m_recordPaused = true;
    if (m_recordSound && m_soundTrack)
        m_soundTrack->PauseRecording();
}

void CEventManager::ResumeRecorder()
{
    CMutexLock lock(m_mutex);
    m_recordPaused = false;
    if (m_recordSound && m_soundTrack)
        m_soundTrack->ResumeRecording();
}

bool CEventManager::StartPlayer(bool skipMouse, bool skipKeyboard, int repeatCount)
{
    CMutexLock lock(m_mutex);
    if (m_recording || m_playing)
        return true;
    m_playSkipMouse = skipMouse;
    m_playSkipKeyboard = skipKeyboard;
    m_repeatCount = repeatCount;
    m_position = 0;
    m_hasPrevious = false;
    m_pendingDelay = 0;
    m_playing = true;
    m_playPaused = false;
    return true;
}

void CEventManager::StopPlayer(bool freeEvents)
{
    CMutexLock lock(m_mutex);
    if (!m_playing)
        return;
    m_playing = m_playPaused = m_playSkipMouse = m_playSkipKeyboard = false;
    m_systemModal = false;
    m_repeatCount = 0;
    if (freeEvents)
    {
        m_events.Free();
        m_count = m_position = 0;
    }
    if (m_playSound && m_soundTrack)
        m_soundTrack->StopPlaying();
    m_playSound = false;
}

void CEventManager::PausePlayer()
{
    CMutexLock lock(m_mutex);
    m_playPaused = true;
    if (m_playSound && m_soundTrack)
        m_soundTrack->PausePlaying();
}

void CEventManager::ResumePlayer()
{
    CMutexLock lock(m_mutex);
    m_playPaused = false;
    if (m_playSound && m_soundTrack)
        m_soundTrack->ResumePlaying();
}

int CEventManager::OnRecordEvent(int code, const EVENTMSG* event)
{
    CMutexLock lock(m_mutex);
    if (!m_recording || m_recordPaused)
        return 0;
    switch (code)
    {
    case HC_ACTION:
        if (PassesRecordFilters(event) && !AppendEvent(*event))
            return -1;
        break;
    case HC_SYSMODALON:
        SetSystemModal(true);
        break;
    case HC_SYSMODALOFF:
        SetSystemModal(false);
        break;
    default:
        OutputDebugStringW(L"Unknown Event in recorder...\n");
        break;
    }
    return 0;
}

bool CEventManager::PassesRecordFilters(const EVENTMSG* event) const
{
    if (m_systemModal || !event)
        return false;
    if (m_recordSkipMouse && IsMouseMessage(event->message))
        return false;
    return !(m_recordSkipKeyboard && IsKeyboardMessage(event->message));
}

bool CEventManager::AppendEvent(const EVENTMSG& event)
{
    if (m_count == m_events.GetCapacity() && !m_events.Resize(m_events.GetCapacity() + kGrowth))
        return false;
    m_events[m_count++] = event;
    return true;
}

int CEventManager::OnCBTEvent(int code, const EVENTMSG* event)
{
    CMutexLock lock(m_mutex);
    if (!m_recording || m_recordPaused || code != HC_ACTION || !event || !event->hwnd)
        return 0;
    wchar_t className[100] = L"";
    GetClassNameW(event->hwnd, className, ARRAYSIZE(className));
    if (!className[0] || CompareStringOrdinal(className, -1, kTimerWindowClass, -1, TRUE) == CSTR_EQUAL)
        return 0;
    HWND foreground = GetForegroundWindow();
    RECT rect{};
    if (!GetWindowRect(foreground, &rect))
        rect = RECT{};
    EVENTMSG move{};
    move.message = WM_MOVE;
    move.paramL = MAKELONG(rect.left, rect.top);
    move.time = event->time;
    move.hwnd = foreground;
    return AppendEvent(move) ? 0 : -1;
}

int CEventManager::OnPlayEvent(int code, EVENTMSG* out)
{
    CMutexLock lock(m_mutex);
    if (!m_playing || m_playPaused)
        return 0;
    switch (code)
    {
    case HC_GETNEXT:
        return GetNextEvent(out);
    case HC_SKIP:
        return SkipToNextEvent();
    case HC_NOREMOVE:
        break;
    case HC_SYSMODALON:
        SetSystemModal(true);
        break;
    case HC_SYSMODALOFF:
        SetSystemModal(false);
        break;
    default:
        OutputDebugStringW(L"Unknown Event in player...\n");
        break;
    }
    return 0;
}

int CEventManager::GetNextEvent(EVENTMSG* out)
{
    // Before the first HC_SKIP of a pass nothing has been taken: a zeroed event, no wait.
    const EVENTMSG nothing{};
    if (out)
        *out = m_position == 0 ? nothing : m_current;
    if (m_position == 0)
        return 0;
    // The delay is served once; asking again for the same event means "now".
    const int delay = m_pendingDelay;
    m_pendingDelay = 0;
    return delay;
}

int CEventManager::SkipToNextEvent()
{
    // Every event is examined at most once per call, so a training in which no event
    // passes the filters ends instead of searching for ever.
    for (UINT examined = 0; examined < m_count;)
    {
        if (m_position == m_count)
        {
            if (!StartNextPass())
                return -1;
            if (PassesPlayFilters(m_current))
                return 0;
            continue;
        }
        m_current = m_events[m_position++];
        ++examined;
        if (PassesPlayFilters(m_current))
        {
            m_pendingDelay = m_hasPrevious ? GapDelay(m_previousTime, m_current.time) : 0;
            m_previousTime = m_current.time;
            m_hasPrevious = true;
            return 0;
        }
    }
    return -1;
}

bool CEventManager::StartNextPass()
{
    if (m_repeatCount != -1 && m_repeatCount <= 0)
        return false;
    m_position = 0;
    m_current = m_events[0];
    m_hasPrevious = false;
    m_pendingDelay = 0;
    if (m_repeatCount > 0)
        --m_repeatCount;
    return true;
}

bool CEventManager::PassesPlayFilters(const EVENTMSG& event) const
{
    if (m_playSkipMouse && IsMouseMessage(event.message))
        return false;
    return !(m_playSkipKeyboard && IsKeyboardMessage(event.message));
}

void CEventManager::SetSystemModal(bool on)
{
    CMutexLock lock(m_mutex);
    m_systemModal = on;
}

bool CEventManager::SetSoundFileName(const wchar_t* trainingFile)
{
    if (!m_soundTrack)
        return false;
    m_soundTrack->SetWavPath(trainingFile);
    return true;
}

bool CEventManager::StartSoundPlayer(bool playSound, CString* error)
{
    ClearError(error);
    if (!m_soundTrack || !m_playSound)
        return true;
    m_playSound = playSound;
    if (!m_playSound || m_soundTrack->StartPlaying())
        return true;
    SetError(error, m_soundTrack->GetErrorText());
    return false;
}

bool CEventManager::StopSoundPlayer(CString* error)
{
    ClearError(error);
    if (!m_soundTrack || m_soundTrack->StopPlaying())
        return true;
    SetError(error, m_soundTrack->GetErrorText());
    return false;
}

HRESULT CEventManager::GetInputPinProperties(const InputPinValues& values)
{
    return m_soundTrack ? m_soundTrack->GetInputPinProperties(values) : 1;
}

bool CEventManager::LoadCBTFile(const wchar_t* path, CString* error)
{
    ClearError(error);
    CFile file;
    CString text;
    if (!file.Open(path, CFile::modeRead, text))
    {
        SetError(error, text);
        return false;
    }
    if (m_soundTrack)
        m_soundTrack->SetWavPath(path);
    CArchive archive(file, CArchive::load);
    if (Serialize(archive, text))
        return true;
    SetError(error, text);
    return false;
}

bool CEventManager::SaveCBTFile(const wchar_t* path, CString* error)
{
    ClearError(error);
    CMutexLock lock(m_mutex);
    // The sound file must be complete before the training that refers to it is written.
    StopSoundRecording(path);
    if (m_count == 0)
        return true;
    CFile file;
    CString text;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite, text))
    {
        SetError(error, text);
        return false;
    }
    CArchive archive(file, CArchive::store);
    if (Serialize(archive, text) && archive.Close())
        return true;
    SetError(error, archive.GetErrorText());
    return false;
}

void CEventManager::StopSoundRecording(const wchar_t* trainingFile)
{
    if (!m_recordSound || !m_soundTrack)
        return;
    m_soundTrack->SetWavPath(trainingFile);
    m_soundTrack->StopRecording();
}

bool CEventManager::Serialize(CArchive& archive, CString& error)
{
    if (archive.IsLoading())
        return Load(archive, error);
    CMutexLock lock(m_mutex);
    if (m_count == 0 || CTrainingFile::Write(archive, m_events.GetData(), m_count, m_recordSound))
        return true;
    error = archive.GetErrorText();
    return false;
}

bool CEventManager::Load(CArchive& archive, CString& error)
{
    // The file is read into an array of its own and replaces the events only when the
    // whole of it has been read.
    CEventArray loaded(m_heap);
    UINT count = 0;
    bool sound = false;
    if (!CTrainingFile::Read(archive, loaded, count, sound, error))
        return false;
    CMutexLock lock(m_mutex);
    m_events.Swap(loaded);
    m_count = count;
    m_position = 0;
    m_playSound = sound;
    return true;
}

bool CEventManager::GetEvent(UINT index, EVENTMSG& event) const
{
    CMutexLock lock(m_mutex);
    if (index >= m_count)
        return false;
    event = m_events[index];
    return true;
}
