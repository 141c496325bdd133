#include "standins/camera/CTestCamera.h"

#include "standins/camera/CCameraPropertyPage.h"
#include "standins/camera/CTestCrossbar.h"
#include "standins/camera/CTestTvTuner.h"
#include "standins/camera/TestCameraIds.h"

#include <mmsystem.h>
#include <new>
#include <uuids.h>

namespace
{
DWORD SwitchValue(const wchar_t* name)
{
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    return RegGetValueW(HKEY_CURRENT_USER, kTestCameraSwitchKey, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes) ==
                   ERROR_SUCCESS
               ? value
               : 0;
}

bool SwitchOn(const wchar_t* name)
{
    return SwitchValue(name) != 0;
}

// Driver dialogs of an old-style capture driver: source, format and display.
bool IsDriverDialog(int dialog)
{
    return dialog == VfwCaptureDialog_Source || dialog == VfwCaptureDialog_Format ||
           dialog == VfwCaptureDialog_Display;
}
} // namespace

IUnknown* CTestCamera::Create()
{
    return static_cast<IBaseFilter*>(new (std::nothrow) CTestCamera());
}

CTestCamera::CTestCamera()
    : CKitFilter(CLSID_TestCamera), m_capture(this, kTestCameraCapturePin, PIN_CATEGORY_CAPTURE),
      m_interleaved(SwitchOn(kTestCameraInterleaved)), m_driverDialogs(SwitchOn(kTestCameraDriverDialogs))
{
    if (!SwitchOn(kTestCameraNoPreview))
        m_preview.reset(new CCameraPin(this, kTestCameraPreviewPin, PIN_CATEGORY_PREVIEW));
    if (SwitchOn(kTestCameraCrossbar))
        m_analogInput.reset(
            new CAnalogInputPin(this, kTestCameraAnalogPin, MEDIATYPE_AnalogVideo, PIN_CATEGORY_ANALOGVIDEOIN));
    const DWORD width = SwitchValue(kTestCameraWidth), height = SwitchValue(kTestCameraHeight);
    if (width && height)
    {
        m_capture.SetSize(width, height);
        if (m_preview)
            m_preview->SetSize(width, height);
    }
    InitializeCriticalSection(&m_runLock);
}

CTestCamera::~CTestCamera()
{
    DeleteCriticalSection(&m_runLock);
}

HRESULT CTestCamera::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitFilter::QueryInterface(interfaceId, object);
}

ULONG CTestCamera::AddRef()
{
    return CKitFilter::AddRef();
}

ULONG CTestCamera::Release()
{
    return CKitFilter::Release();
}

HRESULT CTestCamera::QueryFilterInterface(REFIID interfaceId, void** object)
{
    if (interfaceId == IID_ISpecifyPropertyPages)
        *object = static_cast<ISpecifyPropertyPages*>(this);
    else if (interfaceId == IID_IAMVfwCaptureDialogs && m_driverDialogs)
        *object = static_cast<IAMVfwCaptureDialogs*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT CTestCamera::GetPages(CAUUID* pages)
{
    return CCameraPropertyPage::GetPages(pages);
}

HRESULT CTestCamera::HasDialog(int dialog)
{
    return IsDriverDialog(dialog) ? S_OK : S_FALSE;
}

HRESULT CTestCamera::ShowDialog(int dialog, HWND)
{
    return IsDriverDialog(dialog) ? S_OK : E_INVALIDARG;
}

HRESULT CTestCamera::SendDriverMessage(int, int, long, long)
{
    return E_NOTIMPL;
}

int CTestCamera::PinCount()
{
    return 1 + (m_preview ? 1 : 0) + (m_analogInput ? 1 : 0);
}

CKitPin* CTestCamera::PinAt(int index)
{
    CKitPin* pins[] = {&m_capture, m_preview.get(), m_analogInput.get()};
    for (CKitPin* pin : pins)
        if (pin && index-- == 0)
            return pin;
    return nullptr;
}

void CTestCamera::OnGraphChanged(IFilterGraph* graph)
{
    if (!graph || !m_analogInput || m_analogInput->IsConnected())
        return;
    auto tuner = new (std::nothrow) CTestTvTuner();
    auto crossbar = new (std::nothrow) CTestCrossbar();
    if (tuner && crossbar && SUCCEEDED(graph->AddFilter(tuner, kTestTvTunerName)) &&
        SUCCEEDED(graph->AddFilter(crossbar, kTestCrossbarName)))
    {
        graph->ConnectDirect(&tuner->Output(), &crossbar->TunerInput(), nullptr);
        graph->ConnectDirect(&crossbar->VideoOutput(), m_analogInput.get(), nullptr);
    }
    // The graph holds what it took.
    if (tuner)
        tuner->Release();
    if (crossbar)
        crossbar->Release();
}

bool CTestCamera::IsLiveSource() const
{
    return true;
}

HRESULT CTestCamera::OnActivate()
{
    HRESULT result = m_capture.Activate();
    if (SUCCEEDED(result) && m_preview)
        result = m_preview->Activate();
    if (FAILED(result))
    {
        m_capture.Deactivate();
        return result;
    }
    m_capture.ResetCounters();
    m_ranMs = 0;
    m_nextFrame = 0;
    m_quit = false;
    m_wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    m_thread = CreateThread(nullptr, 0, &CTestCamera::ThreadMain, this, 0, nullptr);
    return m_thread ? S_OK : HRESULT_FROM_WIN32(GetLastError());
}

// Decommitting the allocators first frees a frame thread that waits for a buffer.
void CTestCamera::OnDeactivate()
{
    m_quit = true;
    m_capture.Deactivate();
    if (m_preview)
        m_preview->Deactivate();
    if (m_thread)
    {
        SetEvent(m_wake);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        CloseHandle(m_wake);
    }
    m_thread = m_wake = nullptr;
    m_running = false;
}

void CTestCamera::OnRun(REFERENCE_TIME)
{
    EnterCriticalSection(&m_runLock);
    m_running = true;
    m_runStartMs = timeGetTime();
    LeaveCriticalSection(&m_runLock);
    SetEvent(m_wake);
}

void CTestCamera::OnPauseFromRun()
{
    EnterCriticalSection(&m_runLock);
    m_ranMs += timeGetTime() - m_runStartMs;
    m_running = false;
    LeaveCriticalSection(&m_runLock);
}

LONGLONG CTestCamera::RunTimeMs()
{
    EnterCriticalSection(&m_runLock);
    LONGLONG ran = m_running ? m_ranMs + (timeGetTime() - m_runStartMs) : -1;
    LeaveCriticalSection(&m_runLock);
    return ran;
}

DWORD WINAPI CTestCamera::ThreadMain(void* self)
{
    timeBeginPeriod(1);
    static_cast<CTestCamera*>(self)->RunFrames();
    timeEndPeriod(1);
    return 0;
}

void CTestCamera::RunFrames()
{
    while (!m_quit)
    {
        const LONGLONG ran = RunTimeMs();
        if (ran < 0)
        {
            WaitForSingleObject(m_wake, 20);
            continue;
        }
        const LONGLONG frameMs100 = m_capture.FrameTime(); // 100-ns units
        const LONGLONG nextDueMs = static_cast<LONGLONG>(m_nextFrame) * frameMs100 / 10000;
        if (ran < nextDueMs)
        {
            WaitForSingleObject(m_wake, static_cast<DWORD>(nextDueMs - ran));
            continue;
        }
        DeliverDueFrames();
    }
}

// The newest frame due is delivered; older ones whose time has passed are dropped.
void CTestCamera::DeliverDueFrames()
{
    const REFERENCE_TIME frameTime = m_capture.FrameTime();
    const LONGLONG ran = RunTimeMs();
    if (ran < 0)
        return;
    const unsigned due = static_cast<unsigned>(ran * 10000 / frameTime);
    for (; m_nextFrame < due; ++m_nextFrame)
        m_capture.CountDropped(m_nextFrame);
    const REFERENCE_TIME start = static_cast<REFERENCE_TIME>(m_nextFrame) * frameTime;
    m_capture.DeliverFrame(m_nextFrame, true, start, start + frameTime, true);
    if (m_preview)
        m_preview->DeliverFrame(m_nextFrame, false, 0, 0, false);
    ++m_nextFrame;
}
