#include "config/ConfigurationCommands.h"
#include "config/CXmlInfoConfiguration.h"
#include "config/ConfigStrings.h"

#include <comdef.h>
#include <exception>

namespace
{
// Runs one command on a new document; a section's text or, for any other failure, the
// file's text (string 129) goes to errorText.
template <class Command> bool RunCommand(Command command, CString& errorText)
{
    errorText.Empty();
    try
    {
        CXmlInfoConfiguration document;
        if (command(document))
            return true;
    }
    catch (const CString& text)
    {
        errorText = text;
        return false;
    }
    catch (const _com_error&)
    {
    }
    catch (const std::exception&)
    {
    }
    errorText = CXmlInfoConfiguration::LoadText(IDS_CONFIG_FILE_ERROR);
    return false;
}
} // namespace

bool OpenConfigurationFile(const CString& path, CString& errorText)
{
    return RunCommand([&path](CXmlInfoConfiguration& document) { return document.Load(path); }, errorText);
}

bool SaveConfigurationFile(const CString& path, CString& errorText)
{
    return RunCommand([&path](CXmlInfoConfiguration& document) { return document.Save(path); }, errorText);
}
