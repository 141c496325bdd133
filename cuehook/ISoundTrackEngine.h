#pragma once
// ISoundTrackEngine: the audio engine that records the training's sound track into a
// wave file and plays it back. The audio engine of the capture engine implements it; the
// sound track (CSoundTrack) creates one engine per recording or playback.
//
// Contract, beyond the operations below:
// - Results are HRESULTs; a failure leaves a full-sentence text in GetErrorText.
// - The engine runs inside the message loop of the thread that started it. When its
//   playback ends (after its repeats) it stops by itself and never posts WM_QUIT or any
//   other thread message: that loop belongs to the training, which goes on playing.
#include "framework/CString.h"
#include <mmreg.h>

// The nine values of the input-pin property query, passed through unchanged. They are
// pointer-sized so that a caller may pass pointers through them.
using InputPinValues = UINT_PTR[9];

class ISoundTrackEngine
{
public:
    virtual ~ISoundTrackEngine() = default;

    virtual HRESULT StartRecording(const CString& wavPath, const CString& device, const WAVEFORMATEX* format,
                                   const CString& inputPin) = 0;
    virtual HRESULT StopRecording() = 0;
    virtual HRESULT PauseRecording() = 0;
    virtual HRESULT ResumeRecording() = 0;

    // repeats: further passes after the first.
    virtual HRESULT StartPlaying(const CString& wavPath, int repeats) = 0;
    virtual HRESULT StopPlaying() = 0;
    virtual HRESULT PausePlaying() = 0;
    virtual HRESULT ResumePlaying() = 0;

    virtual bool IsRecording() const = 0;
    virtual bool IsPlaying() const = 0;
    virtual HRESULT GetInputPinProperties(const InputPinValues& values) = 0;
    virtual CString GetErrorText() const = 0;
};
