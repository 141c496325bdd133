#include "standins/camera/CCameraPin.h"

#include "standins/camera/CCameraPropertyPage.h"
#include "standins/camera/CTestCamera.h"
#include "standins/camera/CameraPattern.h"
#include "standins/camera/TestCameraIds.h"
#include "standins/filterkit/KitMediaType.h"

#include <algorithm>
#include <amvideo.h>
#include <uuids.h>

namespace
{
constexpr REFERENCE_TIME kShortestFrameTime = 166666; // 60 frames a second
constexpr REFERENCE_TIME kLongestFrameTime = 10000000; // 1 frame a second

bool IsOfferedSize(long width, long height)
{
    for (const auto& size : kTestCameraSizes)
        if (size[0] == width && size[1] == height)
            return true;
    return false;
}

const VIDEOINFOHEADER* VideoInfoOf(const AM_MEDIA_TYPE* type)
{
    if (!type || type->formattype != FORMAT_VideoInfo || type->cbFormat < sizeof(VIDEOINFOHEADER) || !type->pbFormat)
        return nullptr;
    return reinterpret_cast<const VIDEOINFOHEADER*>(type->pbFormat);
}
} // namespace

CCameraPin::CCameraPin(CTestCamera* camera, const wchar_t* name, REFGUID category)
    : CKitOutputPin(camera, name), m_camera(camera), m_category(category), m_width(kTestCameraSizes[0][0]),
      m_height(kTestCameraSizes[0][1]), m_frameTime(kTestCameraDefaultFrameTime)
{
}

HRESULT CCameraPin::QueryInterface(REFIID interfaceId, void** object)
{
    return CKitPin::QueryInterface(interfaceId, object);
}

ULONG CCameraPin::AddRef()
{
    return CKitPin::AddRef();
}

ULONG CCameraPin::Release()
{
    return CKitPin::Release();
}

HRESULT CCameraPin::QueryPinInterface(REFIID interfaceId, void** object)
{
    if (interfaceId == IID_IAMStreamConfig)
        *object = static_cast<IAMStreamConfig*>(this);
    else if (interfaceId == IID_IKsPropertySet)
        *object = static_cast<IKsPropertySet*>(this);
    else if (interfaceId == IID_IAMDroppedFrames && m_category == PIN_CATEGORY_CAPTURE)
        *object = static_cast<IAMDroppedFrames*>(this);
    else if (interfaceId == IID_ISpecifyPropertyPages)
        *object = static_cast<ISpecifyPropertyPages*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT CCameraPin::GetPages(CAUUID* pages)
{
    return CCameraPropertyPage::GetPages(pages);
}

HRESULT CCameraPin::MakeType(int width, int height, REFERENCE_TIME frameTime, AM_MEDIA_TYPE* type) const
{
    VIDEOINFOHEADER info{};
    info.AvgTimePerFrame = frameTime;
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * height * 4;
    info.dwBitRate = static_cast<DWORD>(std::min<LONGLONG>(0xFFFFFFFF, info.bmiHeader.biSizeImage * 8LL * 10000000 / frameTime));
    AM_MEDIA_TYPE source{};
    source.majortype = m_camera->IsInterleaved() && m_category == PIN_CATEGORY_CAPTURE ? MEDIATYPE_Interleaved
                                                                                        : MEDIATYPE_Video;
    source.subtype = MEDIASUBTYPE_RGB32;
    source.bFixedSizeSamples = TRUE;
    source.lSampleSize = info.bmiHeader.biSizeImage;
    source.formattype = FORMAT_VideoInfo;
    source.cbFormat = sizeof(info);
    source.pbFormat = reinterpret_cast<BYTE*>(&info);
    return KitCopyMediaType(type, &source);
}

HRESULT CCameraPin::CheckMediaType(const AM_MEDIA_TYPE* type)
{
    const VIDEOINFOHEADER* info = VideoInfoOf(type);
    if (!info || type->subtype != MEDIASUBTYPE_RGB32 || info->bmiHeader.biBitCount != 32)
        return VFW_E_TYPE_NOT_ACCEPTED;
    const bool interleaved = m_camera->IsInterleaved() && m_category == PIN_CATEGORY_CAPTURE;
    if (type->majortype != (interleaved ? MEDIATYPE_Interleaved : MEDIATYPE_Video))
        return VFW_E_TYPE_NOT_ACCEPTED;
    return info->bmiHeader.biWidth == m_width && std::abs(info->bmiHeader.biHeight) == m_height ? S_OK
                                                                                               : VFW_E_TYPE_NOT_ACCEPTED;
}

// Type 0 is the format chosen; the other sizes follow at the same frame time.
HRESULT CCameraPin::GetMediaType(int index, AM_MEDIA_TYPE* type)
{
    if (index < 0 || index > kTestCameraSizeCount)
        return VFW_S_NO_MORE_ITEMS;
    if (index == 0)
        return MakeType(m_width, m_height, m_frameTime, type);
    return MakeType(kTestCameraSizes[index - 1][0], kTestCameraSizes[index - 1][1], m_frameTime, type);
}

HRESULT CCameraPin::SetFormat(AM_MEDIA_TYPE* type)
{
    const VIDEOINFOHEADER* info = VideoInfoOf(type);
    if (!info || type->subtype != MEDIASUBTYPE_RGB32 || !IsOfferedSize(info->bmiHeader.biWidth, std::abs(info->bmiHeader.biHeight)))
        return E_INVALIDARG;
    REFERENCE_TIME frameTime = info->AvgTimePerFrame ? info->AvgTimePerFrame : m_frameTime;
    if (frameTime < kShortestFrameTime || frameTime > kLongestFrameTime)
        return E_INVALIDARG;
    EnterCriticalSection(&Filter()->Lock());
    HRESULT result = S_OK;
    const bool changed = info->bmiHeader.biWidth != m_width || std::abs(info->bmiHeader.biHeight) != m_height ||
                         frameTime != m_frameTime;
    if (Filter()->State() != State_Stopped)
        result = VFW_E_NOT_STOPPED;
    else
    {
        m_width = info->bmiHeader.biWidth;
        m_height = std::abs(info->bmiHeader.biHeight);
        m_frameTime = frameTime;
    }
    LeaveCriticalSection(&Filter()->Lock());
    // The connection takes the new type, so that downstream sees the new frame time.
    if (SUCCEEDED(result) && changed && IsConnected() && m_camera->GraphOf())
        result = m_camera->GraphOf()->Reconnect(this);
    return result;
}

void CCameraPin::SetSize(int width, int height)
{
    if (!IsOfferedSize(width, height))
        return;
    m_width = width;
    m_height = height;
}

HRESULT CCameraPin::GetFormat(AM_MEDIA_TYPE** type)
{
    return KitCreateTypeOf(*this, 0, type);
}

HRESULT CCameraPin::GetNumberOfCapabilities(int* count, int* size)
{
    if (!count || !size)
        return E_POINTER;
    *count = kTestCameraSizeCount;
    *size = sizeof(VIDEO_STREAM_CONFIG_CAPS);
    return S_OK;
}

HRESULT CCameraPin::GetStreamCaps(int index, AM_MEDIA_TYPE** type, BYTE* caps)
{
    if (!type || !caps)
        return E_POINTER;
    if (index < 0 || index >= kTestCameraSizeCount)
        return S_FALSE;
    HRESULT result = KitCreateTypeOf(*this, index + 1, type);
    if (FAILED(result))
        return result;
    VIDEO_STREAM_CONFIG_CAPS& videoCaps = *reinterpret_cast<VIDEO_STREAM_CONFIG_CAPS*>(caps);
    videoCaps = VIDEO_STREAM_CONFIG_CAPS{};
    videoCaps.guid = FORMAT_VideoInfo;
    const SIZE size = {kTestCameraSizes[index][0], kTestCameraSizes[index][1]};
    videoCaps.InputSize = videoCaps.MinCroppingSize = videoCaps.MaxCroppingSize = size;
    videoCaps.MinOutputSize = videoCaps.MaxOutputSize = size;
    videoCaps.MinFrameInterval = kShortestFrameTime;
    videoCaps.MaxFrameInterval = kLongestFrameTime;
    return S_OK;
}

HRESULT CCameraPin::Set(REFGUID, DWORD, void*, DWORD, void*, DWORD)
{
    return E_PROP_ID_UNSUPPORTED;
}

HRESULT CCameraPin::Get(REFGUID set, DWORD id, void*, DWORD, void* data, DWORD dataBytes, DWORD* returned)
{
    return KitGetPinCategory(m_category, set, id, data, dataBytes, returned);
}

HRESULT CCameraPin::QuerySupported(REFGUID set, DWORD id, DWORD* support)
{
    return KitQueryPinCategorySupport(set, id, support);
}

HRESULT CCameraPin::GetNumDropped(long* dropped)
{
    if (!dropped)
        return E_POINTER;
    *dropped = m_dropped;
    return S_OK;
}

HRESULT CCameraPin::GetNumNotDropped(long* notDropped)
{
    if (!notDropped)
        return E_POINTER;
    *notDropped = m_delivered;
    return S_OK;
}

HRESULT CCameraPin::GetDroppedInfo(long size, long* frames, long* copied)
{
    if (!frames || !copied)
        return E_POINTER;
    *copied = std::min<long>({size, m_dropped, static_cast<long>(sizeof(m_droppedFrames) / sizeof(long))});
    for (long i = 0; i < *copied; ++i)
        frames[i] = m_droppedFrames[i];
    return S_OK;
}

HRESULT CCameraPin::GetAverageFrameSize(long* averageSize)
{
    if (!averageSize)
        return E_POINTER;
    *averageSize = m_width * m_height * 4;
    return S_OK;
}

void CCameraPin::CountDropped(unsigned frame)
{
    LONG index = InterlockedIncrement(&m_dropped) - 1;
    if (index < static_cast<LONG>(sizeof(m_droppedFrames) / sizeof(long)))
        m_droppedFrames[index] = static_cast<long>(frame);
}

void CCameraPin::ResetCounters()
{
    m_delivered = 0;
    m_dropped = 0;
}

HRESULT CCameraPin::DecideBufferSize(ALLOCATOR_PROPERTIES& properties)
{
    properties.cbBuffer = std::max<long>(properties.cbBuffer, m_width * m_height * 4);
    properties.cBuffers = std::max<long>(properties.cBuffers, 4);
    properties.cbAlign = std::max<long>(properties.cbAlign, 1);
    return S_OK;
}

HRESULT CCameraPin::DeliverFrame(unsigned frame, bool timed, REFERENCE_TIME start, REFERENCE_TIME stop, bool wait)
{
    if (!IsConnected())
        return S_FALSE;
    IMediaSample* sample = nullptr;
    HRESULT result = GetDeliveryBuffer(&sample, wait ? 0 : AM_GBF_NOWAIT);
    if (FAILED(result) || !sample)
        return result;
    BYTE* bits = nullptr;
    sample->GetPointer(&bits);
    const long bytes = m_width * m_height * 4;
    if (sample->GetSize() >= bytes)
    {
        DrawCameraPattern(bits, m_width, m_height, frame);
        sample->SetActualDataLength(bytes);
        sample->SetSyncPoint(TRUE);
        sample->SetTime(timed ? &start : nullptr, timed ? &stop : nullptr);
        result = Deliver(sample);
        if (SUCCEEDED(result))
            InterlockedIncrement(&m_delivered);
    }
    sample->Release();
    return result;
}
