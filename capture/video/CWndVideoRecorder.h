#pragma once
// CWndVideoRecorder: the top-level window through which a video capture from a capture
// device runs. It lists the video and audio capture devices in its Devices menu, turns
// the chosen pair into capture filters, shows a live preview over a one-line status
// line, captures to an AVI file (or an MPEG-2 stream file) and offers the capture's
// options and the drivers' dialogs in its Options menu.
//
// It tells its owner (when it has one, through SendMessage, only while the capture file
// is the record's) that a capture started, stopped, paused or resumed, and posts
// WM_CLOSE_VIDEO_WINDOW when it shut itself down (its user closed it or the session
// ended), so that the owner deletes the object. Without an owner (an unattended job)
// it shows no message box: every failure text goes to its error text; without an
// owner and without a wanted preview it is created hidden and captures all the same.
// Without dialogs (the job build) the frame-rate command is not handled.
//
// User-interface thread only; COM is initialised apartment-threaded on it by Create.
// Graph events arrive as WM_RECORDER_GRAPH_EVENT.
#include "Info/InfoVideoRecording.h"
#include "capture/selection/ICaptureDialogs.h"
#include "capture/video/IVideoRecorder.h"
#include "capture/video/VideoRecorderIds.h"
#include "framework/CWnd.h"

#include <dshow.h>
#include <memory>

class CCrossbarRouter;
class ISampleCaptureGraphBuilder;

class CWndVideoRecorder : public CWnd, public IVideoRecorder
{
public:
    // Copies the record. Throws CResourceException without a record or when the window
    // class cannot be registered (the error text says which).
    CWndVideoRecorder(const InfoVideoRecording* recording, HWND owner, ICaptureDialogs* dialogs = nullptr);
    ~CWndVideoRecorder() override;

    bool Create() override;
    bool StartCapture() override;
    bool StopCapture() override;
    bool PauseCapture() override;
    bool ResumeCapture() override;
    bool IsCapturing() const override { return m_capturing && !m_paused; }
    bool IsCapturePaused() const override { return m_capturing && m_paused; }
    CString GetErrorText() const override { return m_errorText; }

    // What tests and the settings read of the state.
    const CString& GetCaptureFile() const { return m_captureFile; }
    HWND GetStatusLine() const { return m_statusLine; }
    IBaseFilter* GetVideoCaptureFilter() const { return m_videoCapture; }
    IGraphBuilder* GetGraph() const { return m_graph; }
    double GetFrameRate() const { return m_frameRate; }
    bool IsPreviewing() const { return m_previewing; }
    bool IsPreviewFaked() const { return m_previewFaked; }
    bool IsCaptureAudioOn() const { return m_captureAudio; }
    int GetVideoDeviceCount() const { return m_videoDeviceCount; }
    // The friendly name of the video device in use.
    CString GetVideoDeviceName() const { return m_videoDeviceName; }
    // The position of the dialog item of slot (see the Options menu), -1 when absent.
    int GetDialogPosition(int slot) const { return m_dialogPositions[slot]; }

    // Copies the captured file to newName with the progress in the status line; false
    // with the error text on failure.
    bool SaveCaptureFile(const CString& newName);
    // Shows a text in the status line (when there is one).
    void SetStatusText(const CString& text);

    // The statistics after a capture (final) or while it runs, as the status line
    // shows them.
    static CString FinalStatistics(long frames, long dropped, long durationMs, long averageFrameSize);
    static CString RunningStatistics(long frames, long dropped, long elapsedMs);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Window and commands (CWndVideoRecorder.cpp).
    void OnCommand(UINT id);
    void UpdateTitle();
    void LayoutChildren();
    void ResizeToVideo(int width, int height);
    void UpdateMenus(HMENU menu);
    bool CreateStatusLine();
    void Notify(UINT message);
    // A failure: the text becomes the error text and, with an owner, is shown.
    void Report(const CString& text);
    void ReportHr(const wchar_t* format, HRESULT hr, bool show = false);
    bool ShowsWaitCursor() const { return m_owner || m_previewWanted; }
    HMENU Submenu(int position) const;

    // Devices (VideoRecorderDevices.cpp).
    void RefreshDeviceMenu(bool match);
    bool ClearDeviceMenu(HMENU devices);
    int ListDevices(HMENU menu, REFCLSID category, UINT firstId, IMoniker** list, IMoniker* current,
                    const CString& configured, IMoniker** match);
    void ChooseConfiguredDevices();
    void ChooseDevices(IMoniker* video, IMoniker* audio);
    bool InitCaptureFilters();
    bool AddVideoCaptureToGraph();
    void CheckVideoFormat();
    void FindCrossbar();
    bool AddAudioCapture();
    void ApplyAudioFormat();
    void CheckClosedCaptionPin();
    void FreeCaptureFilters();
    void RegisterDeviceNotifications();
    void OnDeviceChange(WPARAM event, LPARAM data);
    void ShutDown();
    void ReleaseDeviceMonikers();
    void ResetState();
    HRESULT FindOnCapturePin(REFIID interfaceId, void** object);

    // Graphs (VideoRecorderGraphs.cpp).
    bool BuildCaptureGraph();
    bool RenderCaptureStreams();
    bool BuildPreviewGraph();
    void AttachVideoWindow(bool warn);
    void ApplyFrameRate(const wchar_t* failure);
    void ListenToGraph();
    bool StartPreview();
    bool StopPreview();
    bool RunCaptureGraph();
    bool StopCaptureGraph();
    // Pauses (pause) or resumes the capture graph.
    bool PauseGraph(bool pause);
    void TearDownGraph();
    void RemoveDownstream(IBaseFilter* filter);
    void OnGraphNotify();
    void TogglePreview();
    void ToggleOption(bool& option);
    void SetMasterStream(int stream);

    // Settings (VideoRecorderSettings.cpp).
    void MakeOptionsMenu();
    void AppendDialogItem(HMENU options, int& n, int slot, const wchar_t* text);
    void MakeVideoInputMenu(HMENU options, int& n);
    void OnPropertiesCommand(UINT id);
    void ShowDriverDialog(int slot);
    void ShowPinPages(int slot);
    void SelectVideoInput(int input);
    void SetCaptureFile();
    void ChooseAudioFormat();
    void ChooseFrameRate();
    void UpdateStatistics(bool final);
    IUnknown* DialogObject(int slot);

    std::unique_ptr<InfoVideoRecording> m_recording;
    HWND m_owner = nullptr;
    HWND m_statusLine = nullptr;
    bool m_notifyOwner = true;
    CString m_errorText;
    CString m_captureFile;
    ICaptureDialogs* m_dialogs = nullptr;

    ISampleCaptureGraphBuilder* m_builder = nullptr;
    IVideoWindow* m_videoWindow = nullptr;
    IMediaEventEx* m_mediaEvents = nullptr;
    IAMDroppedFrames* m_droppedFrames = nullptr;
    IAMVideoCompression* m_videoCompression = nullptr;
    IAMVfwCaptureDialogs* m_captureDialogs = nullptr;
    IAMStreamConfig* m_audioStreamConfig = nullptr;
    IAMStreamConfig* m_videoStreamConfig = nullptr;
    IBaseFilter* m_renderFilter = nullptr;
    IBaseFilter* m_videoCapture = nullptr;
    IBaseFilter* m_audioCapture = nullptr;
    IGraphBuilder* m_graph = nullptr;
    IFileSinkFilter* m_fileSink = nullptr;
    IConfigAviMux* m_aviMuxConfig = nullptr;
    int m_masterStream = 0;
    bool m_captureGraphBuilt = false;
    bool m_previewGraphBuilt = false;
    bool m_capturing = false;
    bool m_paused = false;
    bool m_previewing = false;
    bool m_mpeg2 = false;
    bool m_captureAudio = true;
    bool m_captureClosedCaptions = false;
    bool m_closedCaptionsAvailable = false;
    bool m_audioRelevant = false;
    bool m_deviceMenuFilled = false;
    IMoniker* m_videoDevices[kRecorderDeviceSlots] = {};
    IMoniker* m_audioDevices[kRecorderDeviceSlots] = {};
    IMoniker* m_currentVideo = nullptr;
    IMoniker* m_currentAudio = nullptr;
    double m_frameRate = 0;
    bool m_previewWanted = true;
    DWORD m_captureStart = 0;
    DWORD m_captureStop = 0;
    CString m_videoDeviceName;
    bool m_useFrameRate = true;
    long m_droppedBase = 0;
    long m_notDroppedBase = 0;
    bool m_previewFaked = false;
    CCrossbarRouter* m_crossbar = nullptr;
    long m_videoInputCount = 0;
    int m_videoDeviceCount = 0;
    IMoniker* m_configuredVideo = nullptr;
    IMoniker* m_configuredAudio = nullptr;

    int m_dialogPositions[12];
    int m_videoInputPosition = -1;
    HMENU m_videoInputMenu = nullptr;

    HDEVNOTIFY m_deviceNotification = nullptr;
    bool m_shutDown = false;
    bool m_closing = false;
    int m_resizeDepth = 0;
    bool m_firstStartResize = true;
    CString m_className;

};
