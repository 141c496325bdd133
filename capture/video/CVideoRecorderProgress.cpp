#include "capture/video/CVideoRecorderProgress.h"

#include "capture/video/CWndVideoRecorder.h"

HRESULT CVideoRecorderProgress::QueryInterface(REFIID interfaceId, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (interfaceId != IID_IAMCopyCaptureFileProgress && interfaceId != IID_IUnknown)
        return E_NOINTERFACE;
    *object = static_cast<IAMCopyCaptureFileProgress*>(this);
    return S_OK;
}

HRESULT CVideoRecorderProgress::Progress(int percent)
{
    CString text;
    text.Format(L"Save File Progress: %d%%", percent);
    m_recorder->SetStatusText(text);
    return S_OK;
}
