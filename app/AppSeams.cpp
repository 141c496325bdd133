#include "app/AppSeams.h"

#include "app/CAppMainDialogs.h"
#include "app/CPropertiesSheetAdapter.h"
#include "app/CSettingsSheetAdapter.h"
#include "capture/training/CCBTManager.h"
#include "config/ConfigurationCommands.h"

namespace
{
// Opens and saves configuration files through the XML configuration document.
class CXmlConfigurationStore : public IConfigurationStore
{
public:
    bool Load(const CString& path, CString& error) override { return OpenConfigurationFile(path, error); }
    bool Save(const CString& path, CString& error) override { return SaveConfigurationFile(path, error); }
};
} // namespace

std::unique_ptr<ICapturePropertiesSheet> AppCreatePropertiesSheet()
{
    return std::make_unique<CPropertiesSheetAdapter>();
}

std::unique_ptr<ICaptureSettingsSheet> AppCreateSettingsSheet()
{
    return std::make_unique<CSettingsSheetAdapter>();
}

std::unique_ptr<IMainDialogs> AppCreateMainDialogs()
{
    return std::make_unique<CAppMainDialogs>();
}

std::unique_ptr<IConfigurationStore> AppCreateConfigurationStore()
{
    return std::make_unique<CXmlConfigurationStore>();
}

std::unique_ptr<ITrainingCaptureManager> AppCreateTrainingManager(ICaptureDialogs& dialogs)
{
    return std::make_unique<CCBTManager>(&dialogs);
}
