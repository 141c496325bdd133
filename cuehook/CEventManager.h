#pragma once
// CEventManager: the recorded keyboard and mouse events of one training capture. The
// journal-record hook appends events while recording; the journal-playback hook (or the
// library's own playback driver) takes them back out, with their recorded spacing, while
// playing. It owns the training's sound track and reads and writes the training file.
//
// The hook procedures and the caller's thread both reach the store: every operation
// except the state queries and the sound-track operations holds the store's mutex.
#include "cuehook/CEventArray.h"
#include "cuehook/CSoundTrack.h"
#include "framework/CArchive.h"
#include <memory>

class CEventManager
{
public:
    // The events live on heap (the process heap unless a test names a smaller one).
    explicit CEventManager(HANDLE heap = GetProcessHeap());
    ~CEventManager();
    CEventManager(const CEventManager&) = delete;
    CEventManager& operator=(const CEventManager&) = delete;

    bool IsRecording() const { return m_recording; }
    bool IsRecordingPaused() const { return m_recording && m_recordPaused; }
    bool IsPlaying() const { return m_playing; }
    bool IsPlayingPaused() const { return m_playing && m_playPaused; }

    // Refused (false, error untouched) while recording or playing. resetEvents empties
    // the store, else new events are appended. With recordSound the sound track starts
    // recording; its failure gives false and its text, and the recorder stays started.
    bool StartRecorder(const CString* device, const WAVEFORMATEX* format, const CString* inputPin, bool skipMouse,
                       bool skipKeyboard, bool recordSound, bool resetEvents, CString* error);
    void StopRecorder(bool freeEvents);
    void PauseRecorder();
    void ResumeRecorder();
    // Plays from the first event; repeatCount further passes, -1 endless. Ignored while
    // recording or playing; always true.
    bool StartPlayer(bool skipMouse, bool skipKeyboard, int repeatCount);
    void StopPlayer(bool freeEvents);
    void PausePlayer();
    void ResumePlayer();

    // Journal-record hook codes: 0, or -1 when the event could not be stored for want of
    // memory (the events stored so far stay).
    int OnRecordEvent(int code, const EVENTMSG* event);
    // A window event while recording: stores where the foreground window stands, so that
    // playback moves it back there. 0, or -1 as above.
    int OnCBTEvent(int code, const EVENTMSG* event);
    // Journal-playback hook codes. HC_GETNEXT: the current event and the delay in ms
    // before it (its time minus the previous played event's time, 1 when that is
    // negative, 0 when asked again).
    // HC_SKIP: moves to the next event that passes the filters; -1 when the playback has
    // ended (after its repeats, with no events, or when no event passes the filters).
    int OnPlayEvent(int code, EVENTMSG* out);

    bool SetSoundFileName(const wchar_t* trainingFile);
    bool StartSoundPlayer(bool playSound, CString* error);
    bool StopSoundPlayer(CString* error);
    HRESULT GetInputPinProperties(const InputPinValues& values);

    // A failed load keeps the events that were loaded before.
    bool LoadCBTFile(const wchar_t* path, CString* error);
    // With no events: true, and no file is created or touched.
    bool SaveCBTFile(const wchar_t* path, CString* error);
    bool Serialize(CArchive& archive, CString& error);

    // Replaces the sound track by an empty one whose engines come from factory (none:
    // no audio engine in this build).
    void CreateSoundTrack(SoundEngineFactory factory);

    UINT GetEventCount() const { return m_count; }
    bool GetEvent(UINT index, EVENTMSG& event) const;

private:
    bool AppendEvent(const EVENTMSG& event);
    bool PassesRecordFilters(const EVENTMSG* event) const;
    bool PassesPlayFilters(const EVENTMSG& event) const;
    int GetNextEvent(EVENTMSG* out);
    int SkipToNextEvent();
    bool StartNextPass();
    void SetSystemModal(bool on);
    void StopSoundRecording(const wchar_t* trainingFile);
    bool Load(CArchive& archive, CString& error);

    bool m_recording = false;
    bool m_recordPaused = false;
    bool m_recordSkipMouse = false;
    bool m_recordSkipKeyboard = false;
    bool m_recordSound = false;
    bool m_playing = false;
    bool m_playPaused = false;
    int m_repeatCount = 0;
    bool m_playSkipMouse = false;
    bool m_playSkipKeyboard = false;
    bool m_playSound = false;
    bool m_systemModal = false;
    EVENTMSG m_current{};
    bool m_hasPrevious = false; // an event of this pass was handed out before the current one
    DWORD m_previousTime = 0;
    int m_pendingDelay = 0;
    std::unique_ptr<CSoundTrack> m_soundTrack;
    HANDLE m_heap;
    CEventArray m_events;
    UINT m_position = 0;
    UINT m_count = 0;
    HANDLE m_mutex;
};
