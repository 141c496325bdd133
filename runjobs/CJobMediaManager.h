#pragma once
// CJobMediaManager: the job build's manager of a recording-and-playing capture kind
// (training, video). It holds the recording and the playing record the job's
// command line gave it.
//
// This build has no engine for these kinds: a start fails with a text that says so,
// and the job ends with its failure reported, never with a silent success.
#include "capture/destinations/CImageBase.h"
#include "framework/CString.h"

template <class Recording, class Playing> class CJobMediaManager
{
public:
    // kindName names the capture kind in the failure text ("Audio", ...).
    explicit CJobMediaManager(const wchar_t* kindName) : m_kindName(kindName) {}
    virtual ~CJobMediaManager() = default;

    Recording& GetRecording() { return m_recording; }
    Playing& GetPlaying() { return m_playing; }

    // DR_DONE when started; DR_FAILED with the error text set.
    DestinationResult StartRecording() { return Unavailable(); }
    DestinationResult StartPlaying() { return Unavailable(); }
    bool StopRecording() { return false; }
    bool StopPlaying() { return false; }

    const CString& GetErrorText() const { return m_errorText; }

private:
    DestinationResult Unavailable()
    {
        CString engine = m_kindName;
        engine.MakeLower();
        m_errorText.Format(L"%s capture is not available: this version of the job runner has no %s engine.",
                           m_kindName.GetString(), engine.GetString());
        return DR_FAILED;
    }

    CString m_kindName;
    Recording m_recording;
    Playing m_playing;
    CString m_errorText;
};
