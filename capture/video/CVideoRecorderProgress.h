#pragma once
// CVideoRecorderProgress: the progress sink of a capture file's copy, which shows the
// percentage in the recorder's status line and never cancels the copy. Its life is its
// creator's: the reference count is not kept (AddRef gives 1, Release 0).
#include <strmif.h>

class CWndVideoRecorder;

class CVideoRecorderProgress final : public IAMCopyCaptureFileProgress
{
public:
    explicit CVideoRecorderProgress(CWndVideoRecorder* recorder) : m_recorder(recorder) {}
    virtual ~CVideoRecorderProgress() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID interfaceId, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 0; }
    HRESULT STDMETHODCALLTYPE Progress(int percent) override;

private:
    CWndVideoRecorder* m_recorder;
};
