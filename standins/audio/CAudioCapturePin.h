#pragma once
// CAudioCapturePin: the capture pin of the test audio device (the only output pin: there
// is no preview pin). It offers PCM formats of 8000 to 48000 Hz, 8 or 16 bits, mono or
// stereo (IAMStreamConfig; SetFormat chooses the one it delivers), takes the buffer
// wishes of IAMBufferNegotiation, tells its category (IKsPropertySet: capture) and
// delivers the captured sound as contiguous timed samples: the first at the graph's
// stream time when it is delivered (so a renderer after it plays it at once), each
// other where the one before ended, counted in bytes of the format. The stream is
// kept in step with the time the filter has run (pauses left out), within a buffer or two,
// as a sound card's is: while the sound server delivers nothing (it may start a
// recording more than a second late), the time is filled with silence; sound that
// would run more than two buffers ahead (kept from before the run) is dropped. So the
// stream is as long as the run, and the sound in it lags by the server's latency.
#include "standins/audio/CWaveInStream.h"
#include "standins/filterkit/CKitOutputPin.h"

class CTestAudioDevice;

class CAudioCapturePin final : public CKitOutputPin,
                               public IAMStreamConfig,
                               public IAMBufferNegotiation,
                               public IKsPropertySet,
                               private CWaveInStream::ISink
{
public:
    explicit CAudioCapturePin(CTestAudioDevice* device);
    ~CAudioCapturePin() override;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT CheckMediaType(const AM_MEDIA_TYPE* type) override;
    HRESULT GetMediaType(int index, AM_MEDIA_TYPE* type) override;

    HRESULT STDMETHODCALLTYPE SetFormat(AM_MEDIA_TYPE* type) override;
    HRESULT STDMETHODCALLTYPE GetFormat(AM_MEDIA_TYPE** type) override;
    HRESULT STDMETHODCALLTYPE GetNumberOfCapabilities(int* count, int* size) override;
    HRESULT STDMETHODCALLTYPE GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps) override;

    HRESULT STDMETHODCALLTYPE SuggestAllocatorProperties(const ALLOCATOR_PROPERTIES* properties) override;
    HRESULT STDMETHODCALLTYPE GetAllocatorProperties(ALLOCATOR_PROPERTIES* properties) override;

    HRESULT STDMETHODCALLTYPE Set(REFGUID set, DWORD id, void* instance, DWORD instanceBytes, void* data,
                                  DWORD dataBytes) override;
    HRESULT STDMETHODCALLTYPE Get(REFGUID set, DWORD id, void* instance, DWORD instanceBytes, void* data,
                                  DWORD dataBytes, DWORD* returned) override;
    HRESULT STDMETHODCALLTYPE QuerySupported(REFGUID set, DWORD id, DWORD* support) override;

    // Stopped → paused: commits the allocator and starts recording the wave input.
    HRESULT StartCapture();
    // Stops delivering and recording.
    void StopCapture();
    // The filter starts running from the stream's start time, or stops.
    void SetRunning(bool running, REFERENCE_TIME start = 0);

protected:
    HRESULT QueryPinInterface(REFIID interfaceId, void** object) override;
    HRESULT DecideBufferSize(ALLOCATOR_PROPERTIES& properties) override;

private:
    void OnCaptured(const BYTE* data, DWORD bytes) override;
    void OnQuiet() override;
    // Delivers bytes as the next sample; false when the allocator gave none.
    bool DeliverBytes(const BYTE* data, DWORD bytes);
    REFERENCE_TIME StreamTimeNow();
    // Silence from the stream's position up to due bytes (whole blocks).
    void FillSilence(LONGLONG due);
    // The bytes due by now for the time run; false while not running.
    bool BytesDue(LONGLONG& due);

    CTestAudioDevice* m_device;
    WAVEFORMATEX m_format;
    ALLOCATOR_PROPERTIES m_suggested;
    CWaveInStream m_stream;
    // Bytes delivered since the filter left the stopped state; delivery runs on the
    // wave input's thread, under the lock.
    CRITICAL_SECTION m_deliverLock;
    LONGLONG m_position = 0;
    // The time run before the last run started, and when it started (timeGetTime);
    // shared with the wave input's thread under the lock.
    CRITICAL_SECTION m_runLock;
    bool m_running = false;
    DWORD m_runStartMs = 0;
    LONGLONG m_ranMs = 0;
    REFERENCE_TIME m_streamStart = 0;
    // The stream time of the run's first sample.
    REFERENCE_TIME m_timeOrigin = 0;
    // When the wave input last delivered (timeGetTime); on its thread only.
    DWORD m_lastSoundMs = 0;
    bool m_heardSound = false;
    std::vector<BYTE> m_silence;
};
