#include "app/AppSeams.h"

#include "framework/AppMessageBox.h"

std::unique_ptr<ICapturePropertiesSheet> AppCreatePropertiesSheet()
{
    return nullptr;
}

std::unique_ptr<ICaptureSettingsSheet> AppCreateSettingsSheet()
{
    return nullptr;
}

std::unique_ptr<IMainDialogs> AppCreateMainDialogs()
{
    return nullptr;
}

std::unique_ptr<IConfigurationStore> AppCreateConfigurationStore()
{
    return nullptr;
}

std::unique_ptr<ITrainingCaptureManager> AppCreateTrainingManager(ICaptureDialogs&)
{
    return nullptr;
}

void AppShowNotAvailable(const wchar_t* feature, HWND parent)
{
    AppMessageBox(CString(feature) + L" is not available in this version yet.", MB_OK | MB_ICONINFORMATION, parent);
}
