// The video recorder's devices: the Devices menu, the chosen pair of capture devices,
// their capture filters, device notifications and the shut-down.
#include "capture/audio/AudioFormats.h"
#include "capture/video/CCrossbarRouter.h"
#include "capture/video/CWndVideoRecorder.h"
#include "capture/video/ComPtr.h"
#include "capture/video/ISampleCaptureGraphBuilder.h"
#include "common/DirectShowHelpers.h"
#include "common/SystemHelpers.h"

#include <dbt.h>
#include <ks.h>
#include <ksmedia.h>
#include <vector>

namespace
{
constexpr int kDevicesMenu = 1;

CString FriendlyName(IMoniker* moniker)
{
    ComPtr<IPropertyBag> bag;
    if (!moniker || FAILED(moniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag,
                                                  reinterpret_cast<void**>(bag.Receive()))))
        return CString();
    VARIANT name;
    VariantInit(&name);
    CString text;
    if (SUCCEEDED(bag->Read(L"FriendlyName", &name, nullptr)) && name.vt == VT_BSTR)
        text = name.bstrVal;
    VariantClear(&name);
    return text;
}

bool SameMoniker(IMoniker* a, IMoniker* b)
{
    return a && b && (a == b || a->IsEqual(b) == S_OK);
}

void Assign(IMoniker*& slot, IMoniker* moniker)
{
    if (moniker)
        moniker->AddRef();
    if (slot)
        slot->Release();
    slot = moniker;
}

// The pin category of a pin (through its property set), GUID_NULL when it has none.
GUID PinCategory(IPin* pin)
{
    ComPtr<IKsPropertySet> properties;
    GUID category = GUID_NULL;
    DWORD returned = 0;
    if (SUCCEEDED(pin->QueryInterface(IID_IKsPropertySet, reinterpret_cast<void**>(properties.Receive()))))
        properties->Get(AMPROPSETID_Pin, AMPROPERTY_PIN_CATEGORY, nullptr, 0, &category, sizeof(category), &returned);
    return category;
}
} // namespace

void CWndVideoRecorder::ResetState()
{
    for (int& position : m_dialogPositions)
        position = -1;
    m_masterStream = 0;
    m_captureAudio = true;
    m_previewWanted = true;
    m_useFrameRate = true;
}

void CWndVideoRecorder::RefreshDeviceMenu(bool match)
{
    if (m_deviceMenuFilled)
        return;
    m_deviceMenuFilled = true;
    m_videoDeviceCount = 0;
    HMENU devices = Submenu(kDevicesMenu);
    if (!ClearDeviceMenu(devices))
    {
        m_errorText = L"Error cleaning devices menu,";
        return;
    }
    ComPtr<ICreateDevEnum> enumerator;
    HRESULT hr = CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                  reinterpret_cast<void**>(enumerator.Receive()));
    if (FAILED(hr))
        return ReportHr(L"Error creating the device enumerator. Error: %s", hr, true);
    ComPtr<IEnumMoniker> videoDevices;
    hr = enumerator->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, videoDevices.Receive(), 0);
    if (hr != S_OK)
        ReportHr(L"Error creating the video device class enumerator. Error: %s", hr, true);
    else
        m_videoDeviceCount = ListDevices(devices, CLSID_VideoInputDeviceCategory, ID_RECORDER_VIDEO_DEVICE_FIRST,
                                         m_videoDevices, m_currentVideo, m_recording->RecVideoDevice,
                                         match ? &m_configuredVideo : nullptr);
    AppendMenuW(devices, MF_SEPARATOR, 0, nullptr);
    ListDevices(devices, CLSID_AudioInputDeviceCategory, ID_RECORDER_AUDIO_DEVICE_FIRST, m_audioDevices,
                m_currentAudio, m_recording->RecAudioInputDevice, match ? &m_configuredAudio : nullptr);
}

bool CWndVideoRecorder::ClearDeviceMenu(HMENU devices)
{
    const int count = GetMenuItemCount(devices);
    for (int i = 0; i < kRecorderDeviceSlots; ++i)
    {
        Assign(m_videoDevices[i], nullptr);
        Assign(m_audioDevices[i], nullptr);
    }
    if (count < 0)
        return false;
    for (int i = count - 1; i >= 0; --i)
        RemoveMenu(devices, i, MF_BYPOSITION);
    return true;
}

// Lists at most ten devices of the category (the menu ids and the list have room for
// ten); an entry whose name cannot be read is skipped but uses its id. Returns the
// number of entries used.
int CWndVideoRecorder::ListDevices(HMENU menu, REFCLSID category, UINT firstId, IMoniker** list, IMoniker* current,
                                   const CString& configured, IMoniker** match)
{
    ComPtr<ICreateDevEnum> enumerator;
    ComPtr<IEnumMoniker> monikers;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_ICreateDevEnum,
                                reinterpret_cast<void**>(enumerator.Receive()))) ||
        enumerator->CreateClassEnumerator(category, monikers.Receive(), 0) != S_OK)
        return 0;
    int n = 0;
    ComPtr<IMoniker> moniker;
    for (; n < kRecorderDeviceSlots && monikers->Next(1, moniker.Receive(), nullptr) == S_OK; ++n)
    {
        const CString name = FriendlyName(moniker.Get());
        if (name.IsEmpty())
            continue;
        AppendMenuW(menu, MF_STRING, firstId + n, name);
        if (match && !*match && name.CompareNoCase(configured) == 0)
            Assign(*match, moniker.Get());
        CheckMenuItem(menu, firstId + n, MF_BYCOMMAND | (SameMoniker(moniker.Get(), current) ? MF_CHECKED : 0));
        if (m_capturing)
            EnableMenuItem(menu, firstId + n, MF_BYCOMMAND | MF_GRAYED);
        Assign(list[n], moniker.Get());
    }
    return n;
}

void CWndVideoRecorder::ChooseConfiguredDevices()
{
    if (!m_configuredVideo && m_videoDeviceCount > 0)
        Assign(m_configuredVideo, m_videoDevices[0]);
    if (!m_configuredAudio && m_audioDevices[0])
        Assign(m_configuredAudio, m_audioDevices[0]);
    if (m_configuredVideo)
        ChooseDevices(m_configuredVideo, m_configuredAudio);
    Assign(m_configuredVideo, nullptr);
    Assign(m_configuredAudio, nullptr);
}

void CWndVideoRecorder::ChooseDevices(IMoniker* video, IMoniker* audio)
{
    if (!SameMoniker(video, m_currentVideo) || !SameMoniker(audio, m_currentAudio) || (!audio) != (!m_currentAudio))
    {
        Assign(m_currentVideo, video);
        Assign(m_currentAudio, audio);
        StopPreview();
        if (m_captureGraphBuilt || m_previewGraphBuilt)
            TearDownGraph();
        InitCaptureFilters();
        if (m_previewWanted && BuildPreviewGraph())
            StartPreview();
        MakeOptionsMenu();
    }
    HMENU devices = Submenu(kDevicesMenu);
    for (int i = 0; i < kRecorderDeviceSlots && m_videoDevices[i]; ++i)
        CheckMenuItem(devices, ID_RECORDER_VIDEO_DEVICE_FIRST + i,
                      MF_BYCOMMAND | (SameMoniker(m_videoDevices[i], m_currentVideo) ? MF_CHECKED : MF_UNCHECKED));
    for (int i = 0; i < kRecorderDeviceSlots && m_audioDevices[i]; ++i)
        CheckMenuItem(devices, ID_RECORDER_AUDIO_DEVICE_FIRST + i,
                      MF_BYCOMMAND | (SameMoniker(m_audioDevices[i], m_currentAudio) ? MF_CHECKED : MF_UNCHECKED));
    wchar_t description[80] = L"", version[40] = L"";
    int descriptionSize = 80, versionSize = 40;
    if (m_videoCompression &&
        SUCCEEDED(m_videoCompression->GetInfo(version, &versionSize, description, &descriptionSize, nullptr, nullptr,
                                              nullptr, nullptr)) &&
        description[0] && version[0])
    {
        CString text;
        text.Format(L"%s - %s", description, version);
        SetStatusText(text);
    }
    else
        SetStatusText(m_videoDeviceName);
}

HRESULT CWndVideoRecorder::FindOnCapturePin(REFIID interfaceId, void** object)
{
    HRESULT hr = m_builder->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Interleaved, m_videoCapture, interfaceId,
                                          object);
    if (FAILED(hr))
        hr = m_builder->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, m_videoCapture, interfaceId, object);
    return hr;
}

bool CWndVideoRecorder::InitCaptureFilters()
{
    m_closedCaptionsAvailable = false;
    FreeCaptureFilters();
    m_builder = new ISampleCaptureGraphBuilder();
    m_videoDeviceName = FriendlyName(m_currentVideo);
    HRESULT hr = m_currentVideo ? m_currentVideo->BindToObject(nullptr, nullptr, IID_IBaseFilter,
                                                               reinterpret_cast<void**>(&m_videoCapture))
                                : E_POINTER;
    if (FAILED(hr) || !m_videoCapture)
    {
        m_videoCapture = nullptr;
        ReportHr(L"Cannot create the video capture filter. Error: %s", hr);
        FreeCaptureFilters();
        return false;
    }
    if (!AddVideoCaptureToGraph())
        return false;
    CheckVideoFormat();
    FindCrossbar();
    if (!AddAudioCapture())
        return false;
    CheckClosedCaptionPin();
    return true;
}

bool CWndVideoRecorder::AddVideoCaptureToGraph()
{
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                  reinterpret_cast<void**>(&m_graph));
    if (FAILED(hr))
    {
        m_graph = nullptr;
        ReportHr(L"Cannot create video capture filter graph object. Error: %s", hr);
        return false;
    }
    if (FAILED(hr = m_builder->SetFiltergraph(m_graph)))
    {
        ReportHr(L"Cannot set filter graph to the graph builder. Error: %s", hr);
        return false;
    }
    if (FAILED(hr = m_graph->AddFilter(m_videoCapture, nullptr)))
    {
        ReportHr(L"Cannot add video capture to the filter graph. Error: %s", hr);
        return false;
    }
    FindOnCapturePin(IID_IAMVideoCompression, reinterpret_cast<void**>(&m_videoCompression));
    FindOnCapturePin(IID_IAMStreamConfig, reinterpret_cast<void**>(&m_videoStreamConfig));
    return true;
}

// An interleaved stream carries its own sound: no separate audio capture then.
void CWndVideoRecorder::CheckVideoFormat()
{
    m_audioRelevant = true;
    AM_MEDIA_TYPE* type = nullptr;
    if (!m_videoStreamConfig || FAILED(m_videoStreamConfig->GetFormat(&type)) || !type)
        return;
    if (type->formattype == FORMAT_VideoInfo && type->cbFormat >= sizeof(VIDEOINFOHEADER))
    {
        const BITMAPINFOHEADER& bitmap = reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->bmiHeader;
        ResizeToVideo(bitmap.biWidth, std::abs(bitmap.biHeight));
    }
    if (type->majortype != MEDIATYPE_Video)
    {
        m_audioRelevant = false;
        m_captureAudio = false;
    }
    DeleteMediaType(type);
}

void CWndVideoRecorder::FindCrossbar()
{
    m_builder->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, m_videoCapture, IID_IAMVfwCaptureDialogs,
                             reinterpret_cast<void**>(&m_captureDialogs));
    if (!m_captureDialogs)
        m_videoCapture->QueryInterface(IID_IAMVfwCaptureDialogs, reinterpret_cast<void**>(&m_captureDialogs));
    ComPtr<IEnumPins> pins;
    if (FAILED(m_videoCapture->EnumPins(pins.Receive())))
        return;
    ComPtr<IPin> pin;
    while (pins->Next(1, pin.Receive(), nullptr) == S_OK)
    {
        PIN_DIRECTION direction;
        if (FAILED(pin->QueryDirection(&direction)) || direction != PINDIR_INPUT ||
            PinCategory(pin.Get()) != PIN_CATEGORY_ANALOGVIDEOIN)
            continue;
        HRESULT hr = S_OK;
        m_crossbar = new CCrossbarRouter(pin.Get(), &hr);
        if (FAILED(hr))
        {
            delete m_crossbar;
            m_crossbar = nullptr;
        }
        else
            m_crossbar->CountInputs(&m_videoInputCount);
        return;
    }
}

bool CWndVideoRecorder::AddAudioCapture()
{
    if (m_audioRelevant && m_currentAudio)
        m_currentAudio->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(&m_audioCapture));
    if (!m_audioCapture)
    {
        m_captureAudio = false;
        return true;
    }
    HRESULT hr = m_graph->AddFilter(m_audioCapture, FriendlyName(m_currentAudio));
    if (FAILED(hr))
    {
        ReportHr(L"Cannot add audio capture filter to the filter graph. Error: %s", hr);
        FreeCaptureFilters();
        return false;
    }
    m_builder->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Audio, m_audioCapture, IID_IAMStreamConfig,
                             reinterpret_cast<void**>(&m_audioStreamConfig));
    ApplyAudioFormat();
    FindPinByName(m_audioCapture, m_recording->RecAudioInputPinName);
    return true;
}

// The record's format replaces the pin's: its 18 bytes, claiming no extra bytes that
// the parsed format does not have.
void CWndVideoRecorder::ApplyAudioFormat()
{
    AM_MEDIA_TYPE* type = nullptr;
    if (!m_audioStreamConfig || FAILED(m_audioStreamConfig->GetFormat(&type)) || !type)
        return;
    WAVEFORMATEX format{};
    ParseAudioFormat(m_recording->RecAudioInputFormat, &format);
    format.cbSize = 0;
    BYTE* block = static_cast<BYTE*>(CoTaskMemAlloc(sizeof(format)));
    if (block)
    {
        memcpy(block, &format, sizeof(format));
        CoTaskMemFree(type->pbFormat);
        type->pbFormat = block;
        type->cbFormat = sizeof(format);
        type->formattype = FORMAT_WaveFormatEx;
        type->lSampleSize = format.nBlockAlign;
        m_audioStreamConfig->SetFormat(type);
    }
    DeleteMediaType(type);
}

void CWndVideoRecorder::CheckClosedCaptionPin()
{
    ComPtr<IPin> pin;
    HRESULT hr = m_builder->FindPin(m_videoCapture, PINDIR_OUTPUT, &PIN_CATEGORY_VBI, nullptr, FALSE, 0, pin.Receive());
    if (FAILED(hr))
        hr = m_builder->FindPin(m_videoCapture, PINDIR_OUTPUT, &PIN_CATEGORY_CC, nullptr, FALSE, 0, pin.Receive());
    if (FAILED(hr) || !pin)
        m_captureClosedCaptions = false;
    else
        m_closedCaptionsAvailable = true;
}

void CWndVideoRecorder::FreeCaptureFilters()
{
    ReleaseInterface(m_graph);
    delete m_builder;
    m_builder = nullptr;
    ReleaseInterface(m_videoCapture);
    ReleaseInterface(m_audioCapture);
    ReleaseInterface(m_videoStreamConfig);
    ReleaseInterface(m_audioStreamConfig);
    ReleaseInterface(m_videoCompression);
    ReleaseInterface(m_captureDialogs);
    delete m_crossbar;
    m_crossbar = nullptr;
    m_videoInputCount = 0;
}

void CWndVideoRecorder::RegisterDeviceNotifications()
{
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = AM_KSCATEGORY_CAPTURE;
    m_deviceNotification = RegisterDeviceNotificationW(*this, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void CWndVideoRecorder::OnDeviceChange(WPARAM event, LPARAM data)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if ((event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) || !header ||
        header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return;
    if (reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(data)->dbcc_classguid == AM_KSCATEGORY_CAPTURE)
        m_deviceMenuFilled = false;
}

// Runs once. Only a window that shuts itself down (its user, the session's end) tells
// its owner to delete it; without an owner it ends the job's wait.
void CWndVideoRecorder::ShutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    if (m_deviceNotification)
        UnregisterDeviceNotification(m_deviceNotification);
    m_deviceNotification = nullptr;
    StopPreview();
    StopCapture();
    TearDownGraph();
    FreeCaptureFilters();
    if (m_closing)
        return;
    if (m_owner)
        PostMessageW(m_owner, WM_CLOSE_VIDEO_WINDOW, 0, 0);
    else
        PostQuitMessage(0);
}

void CWndVideoRecorder::ReleaseDeviceMonikers()
{
    Assign(m_currentVideo, nullptr);
    Assign(m_currentAudio, nullptr);
    Assign(m_configuredVideo, nullptr);
    Assign(m_configuredAudio, nullptr);
    for (int i = 0; i < kRecorderDeviceSlots; ++i)
    {
        Assign(m_videoDevices[i], nullptr);
        Assign(m_audioDevices[i], nullptr);
    }
}
