#pragma once
// The parts of the main program that come from components built apart from it: the two
// sheets of the views, the tool dialogs, the configuration files and the training
// manager. Each factory gives null while its component is not in this build; the
// program then says that the feature is not available yet (AppShowNotAvailable).
#include "app/ICapturePropertiesSheet.h"
#include "app/ICaptureSettingsSheet.h"
#include "app/IConfigurationStore.h"
#include "app/IMainDialogs.h"
#include "capture/controller/ITrainingCaptureManager.h"
#include "framework/CString.h"

#include <memory>

class ICaptureDialogs;

std::unique_ptr<ICapturePropertiesSheet> AppCreatePropertiesSheet();
std::unique_ptr<ICaptureSettingsSheet> AppCreateSettingsSheet();
std::unique_ptr<IMainDialogs> AppCreateMainDialogs();
std::unique_ptr<IConfigurationStore> AppCreateConfigurationStore();
std::unique_ptr<ITrainingCaptureManager> AppCreateTrainingManager(ICaptureDialogs& dialogs);

// "<feature> is not available in this version yet." in a box owned by parent.
void AppShowNotAvailable(const wchar_t* feature, HWND parent);
