#include "VellWizSchTask/CWizTaskVideoRecordingDevices.h"

#include "VellWizSchTask/TaskWizardResources.h"
#include "VellWizSchTask/WizardChecks.h"
#include "capture/audio/AudioComboHelpers.h"
#include "capture/pages/CaptureDeviceSource.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/DirectShowHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/AppMessageBox.h"
#include "framework/CWaitCursor.h"

namespace
{
// The preview window's edits with their labels and group.
const UINT kPreviewItems[] = {IDC_VIDDEV_PREVIEW_GROUP, IDC_VIDDEV_LEFT_LABEL,  IDC_VIDDEV_LEFT,
                              IDC_VIDDEV_TOP_LABEL,     IDC_VIDDEV_TOP,         IDC_VIDDEV_WIDTH_LABEL,
                              IDC_VIDDEV_WIDTH,         IDC_VIDDEV_HEIGHT_LABEL, IDC_VIDDEV_HEIGHT};

CString Decimal(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}
} // namespace

CWizTaskVideoRecordingDevices::CWizTaskVideoRecordingDevices(CWizTaskPropSheet& sheet, InfoVideoRecording& record)
    : CWizTaskRecordingPage(sheet, IDD_WIZ_VIDEO_DEVICES, IDS_WIZ_VIDEO_DEVICES_TITLE, IDS_WIZ_VIDEO_DEVICES_SUBTITLE,
                            {IDC_VIDDEV_AUDIO_DEVICE, IDC_VIDDEV_AUDIO_FORMAT, IDC_VIDDEV_AUDIO_PIN,
                             IDC_VIDDEV_AUDIO_DEVICE_LABEL, IDC_VIDDEV_AUDIO_FORMAT_LABEL, IDC_VIDDEV_AUDIO_PIN_LABEL},
                            {record.RecAudioInputDevice, record.RecAudioInputFormat, record.RecAudioInputPinName}),
      m_record(record)
{
}

// A page whose window outlives it (its sheet still open) empties the list too.
CWizTaskVideoRecordingDevices::~CWizTaskVideoRecordingDevices()
{
    EmptyDeviceCombo(GetDlgItem(IDC_VIDDEV_DEVICE));
}

BOOL CWizTaskVideoRecordingDevices::OnInitDialog()
{
    CWizTaskRecordingPage::OnInitDialog();
    FillVideoDevices();
    HWND spin = GetDlgItem(IDC_VIDDEV_FRAME_RATE_SPIN);
    SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(IDC_VIDDEV_FRAME_RATE)), 0);
    SendMessageW(spin, UDM_SETRANGE32, 1, 999);
    SendMessageW(spin, UDM_SETPOS32, 0, m_record.RecFramesRate);
    SetDurationEditTexts(static_cast<int>(m_record.RecDuration), GetDlgItem(IDC_VIDDEV_HOURS),
                         GetDlgItem(IDC_VIDDEV_MINUTES), GetDlgItem(IDC_VIDDEV_SECONDS));
    for (UINT id : {IDC_VIDDEV_LEFT, IDC_VIDDEV_TOP, IDC_VIDDEV_WIDTH, IDC_VIDDEV_HEIGHT})
        SendMessageW(GetDlgItem(id), EM_LIMITTEXT, 4, 0);
    SetItemText(IDC_VIDDEV_LEFT, Decimal(m_record.RecWndLeft));
    SetItemText(IDC_VIDDEV_TOP, Decimal(m_record.RecWndTop));
    SetItemText(IDC_VIDDEV_WIDTH, Decimal(m_record.RecWndWidth));
    SetItemText(IDC_VIDDEV_HEIGHT, Decimal(m_record.RecWndHeight));
    CheckItem(IDC_VIDDEV_PREVIEW, m_record.RecPreview);
    EnablePreviewWindow(m_record.RecPreview);
    CheckItem(IDC_VIDDEV_AUDIO, m_record.RecAudio);
    EnableAudioInput(m_record.RecAudio);
    return TRUE;
}

void CWizTaskVideoRecordingDevices::FillVideoDevices()
{
    const CWaitCursor wait;
    HWND devices = GetDlgItem(IDC_VIDDEV_DEVICE);
    const HRESULT hr = GetCaptureDeviceSource().fillVideoDevices(devices);
    if (FAILED(hr))
    {
        CString text;
        text.Format(L"Failure enumerating the video devices. Error: %s", GetHResultText(hr).GetString());
        AppMessageBox(text, MB_OK, GetSheetWindow());
        return;
    }
    SelectComboItemByText(devices, m_record.RecVideoDevice);
}

void CWizTaskVideoRecordingDevices::EnablePreviewWindow(bool enable)
{
    for (UINT id : kPreviewItems)
        EnableItem(id, enable);
}

bool CWizTaskVideoRecordingDevices::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_VIDDEV_PREVIEW && code == BN_CLICKED)
    {
        m_record.RecPreview = IsItemChecked(id);
        EnablePreviewWindow(m_record.RecPreview);
        return true;
    }
    if (id == IDC_VIDDEV_AUDIO && code == BN_CLICKED)
    {
        m_record.RecAudio = IsItemChecked(id);
        EnableAudioInput(m_record.RecAudio);
        return true;
    }
    return CWizTaskRecordingPage::OnCommand(code, id, control);
}

LRESULT CWizTaskVideoRecordingDevices::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        EmptyDeviceCombo(GetDlgItem(IDC_VIDDEV_DEVICE));
    return CWizTaskRecordingPage::WindowProc(message, wParam, lParam);
}

bool CWizTaskVideoRecordingDevices::TakePreviewWindow()
{
    m_record.RecWndLeft = GetItemInt(IDC_VIDDEV_LEFT);
    m_record.RecWndTop = GetItemInt(IDC_VIDDEV_TOP);
    m_record.RecWndWidth = GetItemInt(IDC_VIDDEV_WIDTH);
    m_record.RecWndHeight = GetItemInt(IDC_VIDDEV_HEIGHT);
    CString error;
    const int tooSmall = CheckWindowSize(m_record.RecWndWidth, m_record.RecWndHeight, error);
    return tooSmall == 0 || Refuse(error, tooSmall == 1 ? IDC_VIDDEV_WIDTH : IDC_VIDDEV_HEIGHT);
}

bool CWizTaskVideoRecordingDevices::CheckNext()
{
    m_record.RecVideoDevice = GetSelectedDeviceName(GetDlgItem(IDC_VIDDEV_DEVICE));
    if (m_record.RecVideoDevice.IsEmpty() || m_record.RecVideoDevice == L"<ERROR>")
        return Refuse(L"Video device missing.", IDC_VIDDEV_DEVICE);
    // The audio input is asked for even when no audio is recorded.
    int duration = 0;
    if (!TakeAudioInput(true) ||
        !TakeRequiredDuration(IDC_VIDDEV_HOURS, IDC_VIDDEV_MINUTES, IDC_VIDDEV_SECONDS, duration))
        return false;
    m_record.RecDuration = static_cast<unsigned int>(duration);
    if (IsItemChecked(IDC_VIDDEV_PREVIEW) && !TakePreviewWindow())
        return false;
    m_record.RecFramesRate = GetItemInt(IDC_VIDDEV_FRAME_RATE);
    return true;
}
