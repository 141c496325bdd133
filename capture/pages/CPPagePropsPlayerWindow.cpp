#include "capture/pages/CPPagePropsPlayerWindow.h"

#include "capture/CaptureStrings.h"

const wchar_t kVideoFileFilter[] =
    L"Video Files (*.avi; *.mov; *.mpg; *.mpeg; *.m1v)|*.avi; *.mov; *.mpg; *.mpeg; *.m1v||";

bool ReadNormalSizeSetting(const wchar_t* valueName)
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, INFO_REGISTRY_ROOT, valueName, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return true;
    return value != 0;
}

CString FormatVideoExtensionMessage()
{
    CString format, text;
    format.LoadString(IDS_INVALID_VIDEO_EXTENSION);
    text.Format(format, L".avi, .gt, .mov, .mpg, .mpeg or .m1v");
    return text;
}
