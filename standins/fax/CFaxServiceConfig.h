#pragma once
// CFaxServiceConfig: where the fax service keeps its settings and outboxes, and what its
// settings file, FaxService.ini, says:
//   [Service]  Installed=0 makes the service behave as not installed (default 1).
//   [Servers]  one key per remote fax server the service knows, e.g. "FAXHUB=Head office".
//   [Sender]   the fax client's sender defaults: Name, FaxNumber, Company, Address, Title,
//              Department, OfficeLocation, HomePhone, OfficePhone, BillingCode and
//              UseServerCoverPage (0 or 1). Without any of them there are no defaults.
// The folder is <common application data>\Talvono Software\Vellumor, or the one that the
// environment variable VELL_FAX_SERVICE_DIR names. The file is read at every question,
// so an edit takes effect at once; without the file the service is installed, knows only
// this computer and has no sender defaults.
#include "framework/CString.h"
#include <vector>

class CFaxServiceConfig
{
public:
    // The environment variable that names the folder.
    static const wchar_t kFolderVariable[];

    CFaxServiceConfig();

    // The service's folder, without a trailing separator.
    const CString& GetFolder() const { return m_folder; }
    CString GetSettingsPath() const;
    // The outbox of a server: <folder>\FaxOutbox\<server>.
    CString GetOutboxFolder(const CString& server) const;

    bool IsInstalled() const;
    // True when the service knows serverName, with the name of the server's outbox: this
    // computer's name for a null or empty name or this computer's own name in any case,
    // the spelling of [Servers] for a remote server (compared without case).
    bool ResolveServer(const wchar_t* serverName, CString& outboxName) const;
    bool HasSenderDefaults() const;
    // A value of [Sender]; empty when absent.
    CString GetSenderValue(const wchar_t* key) const;

    // This computer's name.
    static CString GetThisComputerName();

private:
    CString ReadValue(const wchar_t* section, const wchar_t* key) const;
    // The key names of a section, in file order.
    std::vector<CString> ReadKeyNames(const wchar_t* section) const;

    CString m_folder;
};
