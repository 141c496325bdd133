#include "capture/pages/CPPagePropsVideoRecDevice.h"

#include "capture/audio/AudioComboHelpers.h"
#include "capture/pages/CaptureDeviceSource.h"
#include "capture/pages/MediaPagesIds.h"
#include "common/DirectShowHelpers.h"
#include "common/SystemHelpers.h"
#include "framework/AppMessageBox.h"

namespace
{
const UINT kWindowEdits[] = {IDC_VIDEO_PREVIEW_LEFT, IDC_VIDEO_PREVIEW_TOP, IDC_VIDEO_PREVIEW_WIDTH,
                             IDC_VIDEO_PREVIEW_HEIGHT};
}

CPPagePropsVideoRecDevice::CPPagePropsVideoRecDevice()
    : CPPagePropsCaptureRecord(IDD_PROPS_VIDEO_REC_DEVICE, SP_VIDEO_RECORDING, 1, 3, false)
{
}

void CPPagePropsVideoRecDevice::InitControls()
{
    const HRESULT hr = GetCaptureDeviceSource().fillVideoDevices(GetDlgItem(IDC_VIDEO_DEVICE));
    if (FAILED(hr))
        AppMessageBox(LoadText(IDS_MEDIA_VIDEO_ENUM_FAILED, GetHResultText(hr)), MB_OK, GetSafeHwnd());
    BindCount(m_frameRate, IDC_VIDEO_FRAME_RATE, IDC_VIDEO_FRAME_RATE_SPIN, 1, 999, Copy().RecFramesRate);
    for (int i = 0; i < 4; ++i)
        BindNumber(m_window[i], kWindowEdits[i], 0, 9999);
}

void CPPagePropsVideoRecDevice::RecordToControls()
{
    InfoVideoRecording& copy = Copy();
    SelectComboItemByText(GetDlgItem(IDC_VIDEO_DEVICE), copy.RecVideoDevice);
    SetNumber(IDC_VIDEO_FRAME_RATE, copy.RecFramesRate);
    SetCheck(IDC_VIDEO_PREVIEW, copy.RecPreview);
    SetNumber(IDC_VIDEO_PREVIEW_LEFT, copy.RecWndLeft);
    SetNumber(IDC_VIDEO_PREVIEW_TOP, copy.RecWndTop);
    SetNumber(IDC_VIDEO_PREVIEW_WIDTH, copy.RecWndWidth);
    SetNumber(IDC_VIDEO_PREVIEW_HEIGHT, copy.RecWndHeight);
    UpdateEnabling();
}

void CPPagePropsVideoRecDevice::ReadControls()
{
    InfoVideoRecording& copy = Copy();
    copy.RecVideoDevice = GetSelectedDeviceName(GetDlgItem(IDC_VIDEO_DEVICE));
    copy.RecFramesRate = GetNumber(IDC_VIDEO_FRAME_RATE);
    copy.RecPreview = GetCheck(IDC_VIDEO_PREVIEW);
    copy.RecWndLeft = GetNumber(IDC_VIDEO_PREVIEW_LEFT);
    copy.RecWndTop = GetNumber(IDC_VIDEO_PREVIEW_TOP);
    copy.RecWndWidth = GetNumber(IDC_VIDEO_PREVIEW_WIDTH);
    copy.RecWndHeight = GetNumber(IDC_VIDEO_PREVIEW_HEIGHT);
}

bool CPPagePropsVideoRecDevice::Check()
{
    const InfoVideoRecording& copy = Copy();
    if (copy.RecVideoDevice.IsEmpty() || copy.RecVideoDevice == L"<ERROR>")
        return FailCheck(LoadText(IDS_MEDIA_VIDEO_DEVICE_MISSING), MB_ICONEXCLAMATION, IDC_VIDEO_DEVICE);
    if (!copy.RecPreview)
        return true;
    return CheckWindowSize(copy.RecWndWidth, copy.RecWndHeight,
                           {IDC_VIDEO_PREVIEW_WIDTH, IDC_VIDEO_PREVIEW_HEIGHT, IDC_VIDEO_PREVIEW_WIDTH_LABEL,
                            IDC_VIDEO_PREVIEW_HEIGHT_LABEL});
}

bool CPPagePropsVideoRecDevice::OnCommand(UINT code, UINT id, HWND control)
{
    if (id == IDC_VIDEO_FRAME_RATE && code == EN_CHANGE)
        Copy().RecFramesRate = GetNumber(IDC_VIDEO_FRAME_RATE);
    else if (id == IDC_VIDEO_PREVIEW && code == BN_CLICKED)
    {
        Copy().RecPreview = GetCheck(IDC_VIDEO_PREVIEW);
        UpdateEnabling();
    }
    else
        return CPPagePropsCaptureRecord::OnCommand(code, id, control);
    return true;
}

void CPPagePropsVideoRecDevice::OnDestroyWindow()
{
    EmptyDeviceCombo(GetDlgItem(IDC_VIDEO_DEVICE));
}

void CPPagePropsVideoRecDevice::UpdateEnabling()
{
    EnableItems({IDC_VIDEO_PREVIEW_GROUP, IDC_VIDEO_PREVIEW_LEFT_LABEL, IDC_VIDEO_PREVIEW_TOP_LABEL,
                 IDC_VIDEO_PREVIEW_WIDTH_LABEL, IDC_VIDEO_PREVIEW_HEIGHT_LABEL, IDC_VIDEO_PREVIEW_LEFT,
                 IDC_VIDEO_PREVIEW_TOP, IDC_VIDEO_PREVIEW_WIDTH, IDC_VIDEO_PREVIEW_HEIGHT},
                GetCheck(IDC_VIDEO_PREVIEW));
}

void CPPagePropsVideoRecDevice::TakeOwnFields(InfoVideoRecording& live, const InfoVideoRecording& copy)
{
    live.RecVideoDevice = copy.RecVideoDevice;
    live.RecFramesRate = copy.RecFramesRate;
    live.RecPreview = copy.RecPreview;
    live.RecWndLeft = copy.RecWndLeft;
    live.RecWndTop = copy.RecWndTop;
    live.RecWndWidth = copy.RecWndWidth;
    live.RecWndHeight = copy.RecWndHeight;
}
