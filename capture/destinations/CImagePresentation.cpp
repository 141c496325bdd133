#include "capture/destinations/CImagePresentation.h"

#include "framework/CWaitCursor.h"
#include "framework/Handles.h"

namespace
{
SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    GetObjectW(bitmap, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

// A new bitmap of the size with the picture stretched into it; null when it
// cannot be made.
HBITMAP MakeScaledCopy(HBITMAP picture, SIZE size)
{
    SIZE from = BitmapSize(picture);
    CClientDCHandle screen;
    CCreatedDCHandle source(CreateCompatibleDC(screen));
    CCreatedDCHandle target(CreateCompatibleDC(screen));
    CBitmapHandle scaled(CreateCompatibleBitmap(screen, size.cx, size.cy));
    if (!source || !target || !scaled)
        return nullptr;
    {
        // The writer takes bitmaps that no device context holds: both are put back first.
        CSelectedObject sourcePicture(source, picture);
        CSelectedObject targetPicture(target, scaled);
        SetStretchBltMode(target, HALFTONE);
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, size.cx, size.cy, source, 0, 0, from.cx, from.cy, SRCCOPY);
    }
    return scaled.Release();
}
} // namespace

CImagePresentation::CImagePresentation() : m_info(new InfoPresentationRecording)
{
    m_info->LoadFromRegistry();
}

CImagePresentation::~CImagePresentation() = default;

void CImagePresentation::SetInfo(const SendParam* record, unsigned int part)
{
    if (record == nullptr || record->GetType() != SP_PRESENTATION_RECORDING)
        return;
    const auto& typed = static_cast<const InfoPresentationRecording&>(*record);
    if (part == 0)
        *m_info = typed;
    else if (part == 1)
        m_info->RecShowDlg = typed.RecShowDlg;
}

template <class Grab> DestinationResult CImagePresentation::GrabAndExecute(Grab grab, const SendParam* record)
{
    CWaitCursor wait;
    DestinationResult result = grab();
    if (result != DR_DONE)
        return result;
    if (record)
        SetInfo(record, 0);
    m_busy = true;
    result = Execute();
    if (result != DR_DONE)
        m_errorText = GetErrorText();
    m_busy = false;
    return result;
}

DestinationResult CImagePresentation::Execute()
{
    CScopedLock<CMonitor> lock(*this);
    if (!HasPicture() || !m_info)
    {
        m_errorText = L"Invalid image or info object.";
        return DR_FAILED;
    }
    if (m_aviWriter == nullptr)
    {
        m_errorText = L"Null movie recording object.";
        return DR_FAILED;
    }
    HRESULT hr = WriteFrame();
    if (FAILED(hr))
    {
        m_errorText = m_aviWriter->GetFailureText(hr);
        return DR_FAILED;
    }
    return DR_DONE;
}

DestinationResult CImagePresentation::ProcessAgain(const SendParam* record)
{
    SetInfo(record, 0);
    return Execute();
}

DestinationResult CImagePresentation::ProcessWindow(HWND window)
{
    return GrabAndExecute([&] { return GrabWindow(window); }, nullptr);
}

DestinationResult CImagePresentation::ProcessRect(const RECT& rect)
{
    return GrabAndExecute([&] { return GrabRect(rect); }, nullptr);
}

DestinationResult CImagePresentation::ProcessRegion(HRGN region)
{
    return GrabAndExecute([&] { return GrabRegion(region); }, nullptr);
}

DestinationResult CImagePresentation::ProcessWindowWithInfo(HWND window, const SendParam* record)
{
    return GrabAndExecute([&] { return GrabWindow(window); }, record);
}

DestinationResult CImagePresentation::ProcessRectWithInfo(const RECT& rect, const SendParam* record)
{
    return GrabAndExecute([&] { return GrabRect(rect); }, record);
}

DestinationResult CImagePresentation::ProcessRegionWithInfo(HRGN region, const SendParam* record)
{
    return GrabAndExecute([&] { return GrabRegion(region); }, record);
}

DestinationResult CImagePresentation::GrabRegion(HRGN region)
{
    return CheckGrab(m_grabber.GrabRegion(region));
}

DestinationResult CImagePresentation::GrabRect(const RECT& rect)
{
    return CheckGrab(m_grabber.GrabRect(rect));
}

DestinationResult CImagePresentation::GrabWindow(HWND window)
{
    return CheckGrab(m_grabber.GrabWindow(window));
}

bool CImagePresentation::CheckTiming() const
{
    if (m_info->RecDuration == 0)
        return true;
    if (m_info->RecDuration < 0)
        return false;
    return m_info->RecFreq == 0;
}

void CImagePresentation::SetAviWriter(CAviWriter* writer)
{
    if (writer != m_aviWriter)
        m_frameSize = {};
    m_aviWriter = writer;
}

DestinationResult CImagePresentation::CheckGrab(const std::shared_ptr<const CImage>& frame)
{
    m_errorText.Empty();
    m_grabbed = frame != nullptr;
    if (!m_grabbed)
    {
        m_errorText = GetErrorText();
        return DR_FAILED;
    }
    m_image = frame;
    return DR_DONE;
}

HRESULT CImagePresentation::WriteFrame()
{
    HBITMAP picture = GetBitmap();
    SIZE size = BitmapSize(picture);
    if (m_frameSize.cx == 0 || (size.cx == m_frameSize.cx && size.cy == m_frameSize.cy))
    {
        HRESULT hr = AddPicture(picture);
        if (SUCCEEDED(hr) && m_frameSize.cx == 0)
            m_frameSize = size;
        return hr;
    }
    HBITMAP scaled = MakeScaledCopy(picture, m_frameSize);
    if (scaled == nullptr)
        return E_OUTOFMEMORY;
    HRESULT hr = m_aviWriter->AddFrame(scaled);
    DeleteObject(scaled);
    return hr;
}

HRESULT CImagePresentation::AddPicture(HBITMAP picture)
{
    // A grabbed frame already in the movie's format goes in as it is.
    BITMAPINFOHEADER layout = {};
    const void* pixels = nullptr;
    if (m_grabber.GetPixels(picture, layout, pixels) && m_aviWriter->TakesPixels(layout))
        return m_aviWriter->AddFramePixels(pixels);
    return m_aviWriter->AddFrame(picture);
}
