#include "capture/pages/CPPagePropsCaptureBase.h"

#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/MediaPagesIds.h"
#include "capture/pages/PagesIds.h"
#include "common/PathHelpers.h"
#include "common/PathValidation.h"
#include "framework/AppFileDialog.h"
#include "framework/CWaitCursor.h"

#include <memory>

namespace
{
const int kMinimumWidth = 200;
const int kMinimumHeight = 120;
} // namespace

CPPagePropsCaptureBase::CPPagePropsCaptureBase(UINT templateId, EnumSendParam type, int pageIndex, bool waitCursor)
    : CPPagePropsBase(templateId, type, pageIndex), m_waitCursor(waitCursor)
{
}

BOOL CPPagePropsCaptureBase::OnInitDialog()
{
    std::unique_ptr<CWaitCursor> wait(m_waitCursor ? new CWaitCursor : nullptr);
    CPPagePropsBase::OnInitDialog();
    InitControls();
    RecordToControls();
    return TRUE;
}

LRESULT CPPagePropsCaptureBase::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        OnDestroyWindow();
    return CPPagePropsBase::WindowProc(message, wParam, lParam);
}

void CPPagePropsCaptureBase::ControlsToRecord()
{
    if (GetSafeHwnd())
        ReadControls();
}

void CPPagePropsCaptureBase::BindDuration(CNumberEdit (&edits)[3], const DurationItems& items)
{
    BindNumber(edits[0], items.hours, 0, 999);
    BindNumber(edits[1], items.minutes, 0, 59);
    BindNumber(edits[2], items.seconds, 0, 59);
}

void CPPagePropsCaptureBase::ShowDuration(const DurationItems& items, unsigned int seconds)
{
    SetDurationEditTexts(static_cast<int>(seconds), GetDlgItem(items.hours), GetDlgItem(items.minutes),
                         GetDlgItem(items.seconds));
}

unsigned int CPPagePropsCaptureBase::ReadDuration(const DurationItems& items) const
{
    return static_cast<unsigned int>(
        GetDurationFromEdits(GetDlgItem(items.hours), GetDlgItem(items.minutes), GetDlgItem(items.seconds)));
}

void CPPagePropsCaptureBase::BindCount(CNumberEdit& edit, UINT id, UINT spin, int minimum, int maximum, int value)
{
    BindNumber(edit, id, minimum, maximum);
    SendMessageW(GetDlgItem(spin), UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(id)), 0);
    SetSpin(spin, minimum, maximum, value);
}

void CPPagePropsCaptureBase::SetSpin(UINT spin, int minimum, int maximum, int value)
{
    SendMessageW(GetDlgItem(spin), UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    SendMessageW(GetDlgItem(spin), UDM_SETPOS32, 0, value);
}

void CPPagePropsCaptureBase::BrowseFolderInto(UINT edit, const wchar_t* title)
{
    CString folder = GetText(edit);
    if (BrowseForFolder(GetSafeHwnd(), folder, title))
        SetText(edit, folder);
}

void CPPagePropsCaptureBase::BrowseFileInto(UINT edit, const wchar_t* filter)
{
    FileDialogRequest request;
    request.initialPath = GetText(edit);
    request.filter = filter;
    request.flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    request.owner = GetSafeHwnd();
    const FileDialogResult result = AppFileDialog(request);
    if (result.chosen && !result.paths.empty())
        SetText(edit, result.paths.front());
}

bool CPPagePropsCaptureBase::CheckNameAndFolder(const CString& name, UINT nameId, const CString& folder,
                                                UINT folderId)
{
    CString error;
    if (!ValidateFileName(name, error))
        return FailCheck(error, MB_ICONEXCLAMATION, nameId);
    if (!ValidatePath(folder, error))
        return FailCheck(error, MB_ICONEXCLAMATION, folderId);
    return true;
}

bool CPPagePropsCaptureBase::CheckPlayedFile(const CString& path, UINT edit,
                                             const std::function<bool(const CString&)>& hasExtension,
                                             const CString& extensionMessage)
{
    CString name, extension, folder, error;
    SplitPath(path, name, extension, folder);
    if (!ValidateFileName(name + extension, error))
        return FailCheck(error, MB_ICONEXCLAMATION, edit);
    if (!hasExtension(path))
        return FailCheck(extensionMessage, MB_ICONEXCLAMATION, edit);
    if (!EnsurePathExists(folder, true))
        return FailCheck(LoadText(IDS_PAGE_PATH_MISSING, folder), MB_ICONEXCLAMATION, edit);
    return true;
}

bool CPPagePropsCaptureBase::CheckAudioInput(const CString& device, const CString& format, const CString& pin,
                                             bool deviceAndFormat, const AudioInputItems& items)
{
    auto missing = [](const CString& value) { return value.IsEmpty() || value == L"<ERROR>"; };
    if (deviceAndFormat && missing(device))
        return FailCheck(LoadText(IDS_MEDIA_AUDIO_DEVICE_MISSING), MB_ICONEXCLAMATION, items.device);
    if (deviceAndFormat && missing(format))
        return FailCheck(LoadText(IDS_MEDIA_AUDIO_FORMAT_MISSING), MB_ICONEXCLAMATION, items.format);
    if (pin.IsEmpty())
        return FailCheck(LoadText(IDS_MEDIA_AUDIO_PIN_MISSING), MB_ICONEXCLAMATION, items.pin);
    return true;
}

bool CPPagePropsCaptureBase::CheckWindowSize(int width, int height, const SizeItems& items)
{
    CString text;
    if (width < kMinimumWidth)
    {
        text.Format(LoadText(IDS_MEDIA_WIDTH_TOO_SMALL), kMinimumWidth);
        return FailCheck(text, MB_ICONEXCLAMATION, items.width);
    }
    if (height < kMinimumHeight)
    {
        text.Format(LoadText(IDS_MEDIA_HEIGHT_TOO_SMALL), kMinimumHeight);
        return FailCheck(text, MB_ICONEXCLAMATION, items.height);
    }
    return true;
}

void CPPagePropsCaptureBase::ShowNormalSize(bool on, bool restore, const SizeItems& items, RememberedSize& remembered,
                                            int width, int height)
{
    if (!remembered.set)
    {
        remembered.width.Format(L"%d", width);
        remembered.height.Format(L"%d", height);
        remembered.set = true;
    }
    const CString shownWidth = GetText(items.width), shownHeight = GetText(items.height);
    // The zeros of a normal size shown before are no typed size: they do not replace one.
    if (!(on || restore) || (on && !(shownWidth == L"0" && shownHeight == L"0")))
    {
        remembered.width = shownWidth;
        remembered.height = shownHeight;
    }
    if (on)
    {
        SetText(items.width, L"0");
        SetText(items.height, L"0");
    }
    else if (restore)
    {
        SetText(items.width, remembered.width);
        SetText(items.height, remembered.height);
    }
    EnableItems({items.width, items.height, items.widthLabel, items.heightLabel}, !on);
}

void CPPagePropsCaptureBase::EnableItems(std::initializer_list<UINT> ids, bool enable)
{
    for (UINT id : ids)
        EnableItem(id, enable);
}
