// The video recorder's settings: the Options menu's dialog items and video inputs, the
// drivers' dialogs and property pages, the audio format, the frame rate, the capture
// file, the statistics line and the copy of a captured file.
#include "capture/CaptureStrings.h"
#include "capture/video/CCrossbarRouter.h"
#include "capture/video/CVideoRecorderProgress.h"
#include "capture/video/CWndVideoRecorder.h"
#include "capture/video/ComPtr.h"
#include "capture/video/ISampleCaptureGraphBuilder.h"
#include "common/DirectShowHelpers.h"
#include "common/DirectShowUtilities.h"
#include "common/PathHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/AppFileDialog.h"
#include "framework/AppMessageBox.h"

#include <mmreg.h>
#include <msacm.h>
#include <string>
#include <vector>

namespace
{
constexpr int kOptionsMenu = 2;
// The fixed items of the Options menu, which a rebuild keeps.
constexpr int kFixedOptionsItems = 6;

enum DialogSlot
{
    kVideoFormat,
    kVideoSource,
    kVideoDisplay,
    kVideoCaptureFilter,
    kVideoCrossbar,
    kTvTuner,
    kAudioCaptureFilter,
    kSecondCrossbar,
    kTvAudio,
    kVideoCapturePin,
    kVideoPreviewPin,
    kAudioCapturePin,
};
// The order in which a command's slot is looked for.
const int kSlotOrder[] = {kVideoFormat,       kVideoSource,    kVideoDisplay, kVideoCaptureFilter,
                          kVideoCapturePin,   kVideoPreviewPin, kVideoCrossbar, kTvTuner,
                          kAudioCaptureFilter, kAudioCapturePin, kSecondCrossbar, kTvAudio};
// The driver dialogs, by slot 0 to 2.
const struct
{
    int kind;
    const wchar_t* text;
} kDriverDialogs[] = {{VfwCaptureDialog_Format, L"Video Format..."},
                      {VfwCaptureDialog_Source, L"Video Source..."},
                      {VfwCaptureDialog_Display, L"Video Display..."}};

bool VideoSizeOf(IAMStreamConfig* config, int& width, int& height)
{
    AM_MEDIA_TYPE* type = nullptr;
    if (!config || FAILED(config->GetFormat(&type)) || !type)
        return false;
    const bool videoInfo = type->formattype == FORMAT_VideoInfo && type->cbFormat >= sizeof(VIDEOINFOHEADER);
    if (videoInfo)
    {
        width = reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->bmiHeader.biWidth;
        height = std::abs(reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->bmiHeader.biHeight);
    }
    DeleteMediaType(type);
    return videoInfo;
}

// "%d.%d" of a value with one decimal, truncated.
void SplitTenths(double value, long& whole, long& tenths)
{
    whole = static_cast<long>(value);
    tenths = static_cast<long>(value * 10) - whole * 10;
}
} // namespace

void CWndVideoRecorder::MakeOptionsMenu()
{
    HMENU options = Submenu(kOptionsMenu);
    if (!options)
        return;
    // Everything after the fixed items was appended by an earlier build.
    for (int i = GetMenuItemCount(options) - 1; i >= kFixedOptionsItems; --i)
        DeleteMenu(options, i, MF_BYPOSITION);
    m_videoInputMenu = nullptr;
    m_videoInputPosition = -1;
    for (int& position : m_dialogPositions)
        position = -1;
    int n = 0;
    for (int slot = 0; slot < 3 && m_captureDialogs; ++slot)
        if (m_captureDialogs->HasDialog(kDriverDialogs[slot].kind) >= 0)
            AppendDialogItem(options, n, slot, kDriverDialogs[slot].text);
    if (m_audioCapture && HasPropertyPages(m_audioCapture))
        AppendDialogItem(options, n, kAudioCaptureFilter, L"Audio Capture Filter...");
    if (!m_videoCapture || m_dialogPositions[kVideoFormat] != -1)
        return;
    const struct
    {
        int slot;
        const wchar_t* text;
    } pages[] = {{kVideoCaptureFilter, L"Video Capture Filter..."}, {kVideoCapturePin, L"Video Capture Pin..."},
                 {kVideoPreviewPin, L"Video Preview Pin..."},       {kVideoCrossbar, L"Video Crossbar..."},
                 {kSecondCrossbar, L"Second Crossbar..."},          {kTvTuner, L"TV Tuner..."},
                 {kAudioCapturePin, L"Audio Capture Pin..."},       {kTvAudio, L"TV Audio..."}};
    for (const auto& page : pages)
    {
        ComPtr<IUnknown> object;
        *object.Receive() = DialogObject(page.slot);
        if (object && HasPropertyPages(object.Get()))
            AppendDialogItem(options, n, page.slot, page.text);
    }
    MakeVideoInputMenu(options, n);
}

void CWndVideoRecorder::AppendDialogItem(HMENU options, int& n, int slot, const wchar_t* text)
{
    AppendMenuW(options, MF_STRING, ID_RECORDER_DIALOG_FIRST + n, text);
    m_dialogPositions[slot] = n++;
}

// The object whose property pages the slot shows, with a reference; null when absent.
IUnknown* CWndVideoRecorder::DialogObject(int slot)
{
    void* object = nullptr;
    switch (slot)
    {
    case kVideoCaptureFilter:
        if (m_videoCapture)
            m_videoCapture->AddRef();
        return m_videoCapture;
    case kAudioCaptureFilter:
        if (m_audioCapture)
            m_audioCapture->AddRef();
        return m_audioCapture;
    case kVideoCapturePin:
        FindOnCapturePin(IID_IAMStreamConfig, &object);
        break;
    case kVideoPreviewPin:
        if (FAILED(m_builder->FindInterface(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Interleaved, m_videoCapture,
                                            IID_IAMStreamConfig, &object)))
            m_builder->FindInterface(&PIN_CATEGORY_PREVIEW, &MEDIATYPE_Video, m_videoCapture, IID_IAMStreamConfig,
                                     &object);
        break;
    case kVideoCrossbar:
        FindOnCapturePin(IID_IAMCrossbar, &object);
        break;
    case kSecondCrossbar:
    {
        ComPtr<IAMCrossbar> first;
        ComPtr<IBaseFilter> filter;
        if (SUCCEEDED(FindOnCapturePin(IID_IAMCrossbar, reinterpret_cast<void**>(first.Receive()))) &&
            SUCCEEDED(first->QueryInterface(IID_IBaseFilter, reinterpret_cast<void**>(filter.Receive()))))
            m_builder->FindInterface(&LOOK_UPSTREAM_ONLY, nullptr, filter.Get(), IID_IAMCrossbar, &object);
        break;
    }
    case kTvTuner:
        FindOnCapturePin(IID_IAMTVTuner, &object);
        break;
    case kAudioCapturePin:
        if (m_audioCapture)
            m_builder->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Audio, m_audioCapture, IID_IAMStreamConfig,
                                     &object);
        break;
    case kTvAudio:
        if (m_audioCapture)
            m_builder->FindInterface(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Audio, m_audioCapture, IID_IAMTVAudio,
                                     &object);
        break;
    }
    return static_cast<IUnknown*>(object);
}

void CWndVideoRecorder::MakeVideoInputMenu(HMENU options, int& n)
{
    if (!m_crossbar || m_videoInputCount < 1)
        return;
    m_videoInputMenu = CreatePopupMenu();
    m_videoInputPosition = n++;
    AppendMenuW(options, MF_SEPARATOR, 0, nullptr);
    long defaultInput = -1;
    for (long i = 0; i < m_videoInputCount; ++i)
    {
        wchar_t name[260] = L"";
        long type = 0;
        m_crossbar->GetInputConnectorName(i, name, 260);
        AppendMenuW(m_videoInputMenu, MF_STRING, ID_RECORDER_DIALOG_FIRST + n++, name);
        if (defaultInput < 0 && SUCCEEDED(m_crossbar->GetInputConnectorType(i, &type)) && type == PhysConn_Video_Tuner)
            defaultInput = i;
    }
    AppendMenuW(options, MF_POPUP, reinterpret_cast<UINT_PTR>(m_videoInputMenu), L"Video Input");
    SelectVideoInput(defaultInput < 0 ? 0 : defaultInput);
}

void CWndVideoRecorder::SelectVideoInput(int input)
{
    for (long i = 0; i < m_videoInputCount; ++i)
        CheckMenuItem(m_videoInputMenu, i, MF_BYPOSITION | (i == input ? MF_CHECKED : MF_UNCHECKED));
    m_crossbar->SelectInput(input);
}

void CWndVideoRecorder::OnPropertiesCommand(UINT id)
{
    const int k = static_cast<int>(id) - ID_RECORDER_DIALOG_FIRST;
    for (int slot : kSlotOrder)
        if (m_dialogPositions[slot] == k)
        {
            if (slot <= kVideoDisplay)
                ShowDriverDialog(slot);
            else
                ShowPinPages(slot);
            return;
        }
    if (m_videoInputMenu && k > m_videoInputPosition && k <= m_videoInputPosition + m_videoInputCount)
        SelectVideoInput(k - m_videoInputPosition - 1);
}

void CWndVideoRecorder::ShowDriverDialog(int slot)
{
    if (!m_captureDialogs)
        return;
    if (m_previewWanted)
        StopPreview();
    HRESULT hr = m_captureDialogs->ShowDialog(kDriverDialogs[slot].kind, GetSafeHwnd());
    if (slot == kVideoFormat)
    {
        if (hr == VFW_E_CANNOT_CONNECT)
            TearDownGraph();
        int width = 0, height = 0;
        if (VideoSizeOf(m_videoStreamConfig, width, height))
            ResizeToVideo(width, height);
        if (m_previewWanted && BuildPreviewGraph())
            StartPreview();
    }
    else if (m_previewWanted)
        StartPreview();
}

// The capture pin's pages may change the size and the graph is built again; the
// preview pin's only when a preview is wanted; the audio capture pin's pause the
// preview; the other pages leave the graph alone.
void CWndVideoRecorder::ShowPinPages(int slot)
{
    ComPtr<IUnknown> object;
    *object.Receive() = DialogObject(slot);
    if (!object)
        return;
    const bool rebuilds = slot == kVideoCapturePin || (slot == kVideoPreviewPin && m_previewWanted);
    const bool pauses = slot == kAudioCapturePin && m_previewWanted;
    if (rebuilds || pauses)
        StopPreview();
    if (rebuilds && (m_captureGraphBuilt || m_previewGraphBuilt))
        TearDownGraph();
    ShowPropertyPages(object.Get(), GetSafeHwnd());
    int width = 0, height = 0;
    if (slot == kVideoCapturePin && VideoSizeOf(m_videoStreamConfig, width, height))
        ResizeToVideo(width, height);
    if (rebuilds && m_previewWanted && BuildPreviewGraph())
        StartPreview();
    else if (pauses)
        StartPreview();
}

void CWndVideoRecorder::SetCaptureFile()
{
    FileDialogRequest request;
    request.initialPath = m_captureFile;
    request.filter = L"Video Files (*.avi)|*.avi||";
    request.flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    request.owner = GetSafeHwnd();
    const FileDialogResult chosen = AppFileDialog(request);
    if (!chosen.chosen || chosen.paths.empty())
        return;
    const CString& path = chosen.paths.front();
    CString name, extension, folder;
    SplitPath(path, name, extension, folder);
    if (extension.CompareNoCase(L".avi") != 0)
    {
        CString format, text;
        format.LoadString(IDS_INVALID_VIDEO_EXTENSION);
        text.Format(format, L".avi");
        Report(text);
        return;
    }
    if (!EnsurePathExists(folder, m_owner != nullptr))
    {
        Report(L"The path should exist in order to properly capture the video.\nFile selection ignored.");
        return;
    }
    m_captureFile = path;
    UpdateTitle();
    if (m_notifyOwner && path.CompareNoCase(m_recording->GetFullPathFileName()) != 0)
    {
        m_notifyOwner = false;
        if (m_owner)
            SendMessageW(m_owner, WM_MANAGER_OTHER_FILE, 0, 0);
    }
    if (m_fileSink)
        m_fileSink->SetFileName(m_captureFile, nullptr);
}

// The chooser starts from the pin's format; only the bytes the chosen format has are
// copied, into a block of their size.
void CWndVideoRecorder::ChooseAudioFormat()
{
    AM_MEDIA_TYPE* type = nullptr;
    if (!m_audioStreamConfig || FAILED(m_audioStreamConfig->GetFormat(&type)) || !type)
        return;
    DWORD largest = 0;
    acmMetrics(nullptr, ACM_METRIC_MAX_SIZE_FORMAT, &largest);
    const WAVEFORMATEX* current = type->cbFormat >= sizeof(WAVEFORMATEX)
                                      ? reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat)
                                      : nullptr;
    const DWORD currentBytes = current ? std::min<DWORD>(type->cbFormat, sizeof(WAVEFORMATEX) + current->cbSize) : 0;
    std::vector<BYTE> buffer(std::max<DWORD>({largest, currentBytes, sizeof(WAVEFORMATEX)}), 0);
    if (current)
        memcpy(buffer.data(), current, currentBytes);
    ACMFORMATCHOOSEW choose{};
    choose.cbStruct = sizeof(choose);
    choose.fdwStyle = ACMFORMATCHOOSE_STYLEF_INITTOWFXSTRUCT;
    choose.hwndOwner = GetSafeHwnd();
    choose.pwfx = reinterpret_cast<WAVEFORMATEX*>(buffer.data());
    choose.cbwfx = static_cast<DWORD>(buffer.size());
    choose.fdwEnum = ACM_FORMATENUMF_HARDWARE | ACM_FORMATENUMF_INPUT;
    if (acmFormatChooseW(&choose) == MMSYSERR_NOERROR)
    {
        StopPreview();
        const DWORD bytes = std::min<DWORD>(static_cast<DWORD>(buffer.size()), sizeof(WAVEFORMATEX) + choose.pwfx->cbSize);
        BYTE* block = static_cast<BYTE*>(CoTaskMemAlloc(bytes));
        if (block)
        {
            memcpy(block, buffer.data(), bytes);
            CoTaskMemFree(type->pbFormat);
            type->pbFormat = block;
            type->cbFormat = bytes;
            m_audioStreamConfig->SetFormat(type);
        }
        if (m_previewWanted)
            StartPreview();
    }
    DeleteMediaType(type);
}

void CWndVideoRecorder::ChooseFrameRate()
{
    bool useFrameRate = m_useFrameRate;
    int rate = static_cast<int>(m_frameRate);
    if (!m_dialogs || m_dialogs->ChooseFrameRate(useFrameRate, rate, GetSafeHwnd()) != IDOK || !useFrameRate ||
        rate == static_cast<int>(m_frameRate))
        return;
    // A rate below 1 would divide a second by nothing: refused.
    if (rate < 1)
    {
        Report(L"The frame rate must be at least one frame per second.");
        return;
    }
    m_frameRate = rate;
    m_useFrameRate = useFrameRate;
    StopPreview();
    AM_MEDIA_TYPE* type = nullptr;
    if (m_videoStreamConfig && SUCCEEDED(m_videoStreamConfig->GetFormat(&type)) && type &&
        type->formattype == FORMAT_VideoInfo && type->cbFormat >= sizeof(VIDEOINFOHEADER))
    {
        reinterpret_cast<VIDEOINFOHEADER*>(type->pbFormat)->AvgTimePerFrame =
            static_cast<REFERENCE_TIME>(10000000 / m_frameRate);
        HRESULT hr = m_videoStreamConfig->SetFormat(type);
        if (FAILED(hr))
            ReportHr(L"Cannot set the new frame rate. Error: %s", hr, true);
    }
    else
        Report(L"Cannot set the frame rate for video capture.");
    DeleteMediaType(type);
    if (m_previewWanted)
        StartPreview();
}

void CWndVideoRecorder::UpdateStatistics(bool final)
{
    if (!m_droppedFrames && m_builder && m_videoCapture)
        FindOnCapturePin(IID_IAMDroppedFrames, reinterpret_cast<void**>(&m_droppedFrames));
    if (!m_droppedFrames)
        return SetStatusText(L"Filter cannot report capture information");
    long dropped = 0, notDropped = 0, averageSize = 0;
    if (FAILED(m_droppedFrames->GetNumDropped(&dropped)) || FAILED(m_droppedFrames->GetNumNotDropped(&notDropped)))
        return;
    dropped -= m_droppedBase;
    notDropped -= m_notDroppedBase;
    if (!final)
        return SetStatusText(RunningStatistics(notDropped, dropped, static_cast<long>(timeGetTime() - m_captureStart)));
    if (SUCCEEDED(m_droppedFrames->GetAverageFrameSize(&averageSize)))
        SetStatusText(FinalStatistics(notDropped, dropped, static_cast<long>(m_captureStop - m_captureStart), averageSize));
}

CString CWndVideoRecorder::RunningStatistics(long frames, long dropped, long elapsedMs)
{
    CString text;
    text.Format(L"Captured %d frames (%d dropped) %d.%dsec", frames, dropped, elapsedMs / 1000,
                elapsedMs / 100 - elapsedMs / 1000 * 10);
    return text;
}

// The rates in floating point, each with one decimal.
CString CWndVideoRecorder::FinalStatistics(long frames, long dropped, long durationMs, long averageFrameSize)
{
    double fps = 0, bytesPerSecond = 0;
    if (durationMs > 0)
    {
        fps = frames * 1000.0 / durationMs;
        bytesPerSecond = static_cast<double>(frames) * averageFrameSize * 1000.0 / durationMs;
    }
    long fpsWhole, fpsTenths, megWhole, megTenths;
    SplitTenths(fps, fpsWhole, fpsTenths);
    SplitTenths(bytesPerSecond / 1000000.0, megWhole, megTenths);
    CString text;
    text.Format(L"Captured %d frames in %d.%d sec (%d dropped): %d.%d fps %d.%d Meg/sec", frames, durationMs / 1000,
                durationMs / 100 - durationMs / 1000 * 10, dropped, fpsWhole, fpsTenths, megWhole, megTenths);
    return text;
}

bool CWndVideoRecorder::SaveCaptureFile(const CString& newName)
{
    SetStatusText(L"Saving capture file - please wait...");
    ComPtr<ICaptureGraphBuilder2> builder;
    if (FAILED(CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER, IID_ICaptureGraphBuilder2,
                                reinterpret_cast<void**>(builder.Receive()))) ||
        !builder)
    {
        m_errorText.Format(L"Failure saving the video file '%s'. Error: The graph builder object is null.",
                           newName.GetString());
        return false;
    }
    CVideoRecorderProgress progress(this);
    ComPtr<IAMCopyCaptureFileProgress> callback;
    progress.QueryInterface(IID_IAMCopyCaptureFileProgress, reinterpret_cast<void**>(callback.Receive()));
    std::wstring oldName(m_captureFile.GetString()), target(newName.GetString());
    const HRESULT hr = builder->CopyCaptureFile(&oldName[0], &target[0], TRUE, callback.Get());
    if (FAILED(hr))
    {
        m_errorText.Format(L"Failure saving the video file '%s'. Error: %s", newName.GetString(),
                           GetHResultText(hr).GetString());
        return false;
    }
    return true;
}
