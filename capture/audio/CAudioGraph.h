#pragma once
// CAudioGraph: one audio recording or playback through a DirectShow filter graph.
//
// A recording captures from an audio input device, by its friendly name, with one of
// its input pins selected, into a wave file: the capture pin (or the capture output of a
// Smart Tee, when the device has no preview pin and the sound is also heard) feeds the
// "WAV Dest" filter, found by its class id, which feeds the File Writer. A playback
// renders any sound file and plays it again "repeats" more times.
//
// Every state change is sent to the notify target (AudioMessages.h). The graphs' events
// come through a hidden window of the graph's own, so the graph lives on one thread with
// a message loop. When a playback ends with no notify target set, the graph posts
// WM_QUIT (the loop of an unattended job ends with it) unless SetQuitOnPlaybackEnd
// (false) said otherwise.
//
// Every operation empties the audio error text first; a failure leaves its sentence
// there (AudioErrorText.h) and returns the failing HRESULT.
//
// Delete a graph through CAudioGraphPtr: a notify target may let go of the graph from
// inside a message the graph sent while it handled one of its events.
#include "framework/CString.h"
#include "framework/CWnd.h"

#include <memory>
#include <vector>
#include <mmreg.h>
#include <strmif.h>
#include <control.h>
#include <wrl/client.h>

class CWndAudioNotifications;

// The audio mixer settings of the selected input pin, each value the address of a
// variable to fill (null: not asked): Enable (BOOL), Mono (BOOL), MixLevel (double),
// Pan (double), Loudness (BOOL), Treble (double), TrebleRange (double), Bass (double),
// BassRange (double).
using AudioInputPinValues = UINT_PTR[9];

class CAudioGraph
{
public:
    // The filter that turns captured PCM into a wave file stream.
    static const CLSID kWavDestClsid;

    // Throws CResourceException when the notification window's class cannot be registered.
    CAudioGraph();
    ~CAudioGraph();
    CAudioGraph(const CAudioGraph&) = delete;
    CAudioGraph& operator=(const CAudioGraph&) = delete;

    // Records from device (friendly name, case ignored) through the input pin named
    // pinName into file, in format (copied). WM_USER+115 on success.
    HRESULT StartRecording(const CString& file, const CString& device, const WAVEFORMATEX* format,
                           const CString& pinName);
    // Plays file, then repeats more times. WM_USER+119 at the start of every pass.
    HRESULT StartPlaying(const CString& file, int repeats);

    // S_FALSE, and nothing sent, when there is nothing to stop.
    HRESULT StopRecording();
    HRESULT PauseRecording();
    HRESULT ResumeRecording();
    HRESULT StopPlaying();
    HRESULT PausePlaying();
    HRESULT ResumePlaying();

    // Reads the audio mixer settings of the selected input pin of the running recording
    // into the variables values point at; 1 when nothing records or plays unpaused.
    HRESULT GetInputPinProperties(const AudioInputPinValues& values);

    // The graphs' waiting events, called by the notification window.
    void OnRecordGraphEvent();
    void OnPlayGraphEvent();

    bool IsRecording() const { return m_recording; }
    bool IsRecordingPaused() const { return m_recordingPaused; }
    bool IsPlaying() const { return m_playing; }
    bool IsPlayingPaused() const { return m_playingPaused; }

    void SetNotifyTarget(HWND target) { m_notifyTarget = target; }
    // Hear what is recorded (default off).
    void SetAudition(bool audition) { m_audition = audition; }
    // Build the file branch of a recording (default on).
    void SetWriteFile(bool writeFile) { m_writeFile = writeFile; }
    // Post WM_QUIT at a playback's end when there is no notify target (default on).
    void SetQuitOnPlaybackEnd(bool quit) { m_quitOnPlaybackEnd = quit; }

    // Deletes the graph now, or, while one of its event handlers runs, when it returns.
    void DeleteAfterEvent();

private:
    struct Graph
    {
        Microsoft::WRL::ComPtr<IGraphBuilder> builder;
        Microsoft::WRL::ComPtr<IMediaControl> control;
        Microsoft::WRL::ComPtr<IMediaEventEx> events;
    };
    struct GraphEvent
    {
        long code;
        LONG_PTR param1;
        LONG_PTR param2;
    };

    bool InitializeCom();
    HRESULT CreateGraph(Graph& graph, LONG_PTR instance);
    HRESULT CreateRecordGraph();
    HRESULT CreatePlayGraph();
    void TearDownRecordGraph();
    void TearDownPlayGraph();
    void RemoveFilter(Microsoft::WRL::ComPtr<IBaseFilter>& filter);
    HRESULT AddCaptureDevice();
    HRESULT ConfigureOutputPins();
    HRESULT RenderPreview();
    HRESULT BuildFileBranch();
    HRESULT CreateFileWriter();
    Microsoft::WRL::ComPtr<IBaseFilter> FindFilter(const wchar_t* name) const;
    // The filter connected to the filter's output pin of that index; null when none.
    static Microsoft::WRL::ComPtr<IBaseFilter> FilterBehind(IBaseFilter* filter, int outputPin);
    // Pause and resume of one graph: its paused flag, the failure's text and the message
    // of a success.
    HRESULT Pause(Graph& graph, bool& paused, const wchar_t* failure, UINT message);
    HRESULT Resume(Graph& graph, bool& paused, const wchar_t* failure, UINT message);
    // Takes every waiting event of the graph, freeing its parameters.
    std::vector<GraphEvent> TakeEvents(IMediaEventEx* events, const wchar_t* freeFailure);
    void OnDeviceRemoved();
    void OnDeviceReturned();
    void OnPlaybackComplete();
    // Moves what the file holds aside, under the next free numbered name beside it.
    void KeepRecordedPart();
    void Notify(UINT message) const;
    void EndEvent();

    Graph m_record;
    Graph m_play;
    Microsoft::WRL::ComPtr<ICaptureGraphBuilder2> m_captureBuilder;
    Microsoft::WRL::ComPtr<IBaseFilter> m_captureFilter;
    Microsoft::WRL::ComPtr<IBaseFilter> m_audioRenderer;
    Microsoft::WRL::ComPtr<IBaseFilter> m_fileWriter;
    Microsoft::WRL::ComPtr<IBaseFilter> m_smartTee;
    Microsoft::WRL::ComPtr<IBaseFilter> m_wavDest;
    bool m_recording = false;
    bool m_recordingPaused = false;
    bool m_playing = false;
    bool m_playingPaused = false;
    bool m_audition = false;
    bool m_writeFile = true;
    bool m_quitOnPlaybackEnd = true;
    int m_repeatsLeft = 0;
    CString m_device;
    WAVEFORMATEX m_format = {};
    CString m_pinName = L"Microphone";
    CString m_file;
    CWndPtr<CWndAudioNotifications> m_window;
    HWND m_notifyTarget = nullptr;
    int m_eventDepth = 0;
    bool m_deletePending = false;
};

struct CAudioGraphDeleter
{
    void operator()(CAudioGraph* graph) const { graph->DeleteAfterEvent(); }
};
using CAudioGraphPtr = std::unique_ptr<CAudioGraph, CAudioGraphDeleter>;
