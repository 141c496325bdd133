#include "config/ConfigurationCommands.h"
#include "config/CXmlInfoConfiguration.h"
#include "config/ConfigStrings.h"

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
    catch (...)
    {
        // A DOM failure (_com_error) or a lack of memory: the file's text below.
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
