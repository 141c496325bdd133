#pragma once
// The parts of the main program that come from components built apart from it: the two
// sheets of the views, the tool dialogs, the configuration files and the training
// manager. Each factory makes the component's object for the program.
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
