#include "standins/fax/CFaxServiceConfig.h"
#include <shlobj.h>

namespace
{
const wchar_t kSettingsFileName[] = L"FaxService.ini";
const wchar_t kOutboxFolderName[] = L"FaxOutbox";
const wchar_t kServiceSection[] = L"Service";
const wchar_t kServersSection[] = L"Servers";
const wchar_t kSenderSection[] = L"Sender";
const DWORD kValueLength = 32767;

// A name that can serve as a folder name: not empty, no path characters, not "." or "..".
bool IsValidServerName(const CString& name)
{
    return !name.IsEmpty() && name.FindOneOf(L"\\/:*?\"<>|") < 0 && name != L"." && name != L"..";
}
} // namespace

const wchar_t CFaxServiceConfig::kFolderVariable[] = L"VELL_FAX_SERVICE_DIR";

CFaxServiceConfig::CFaxServiceConfig()
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD length = GetEnvironmentVariableW(kFolderVariable, folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        m_folder = folder;
    else if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        m_folder = CString(folder) + L"\\Talvono Software\\Vellumor";
    m_folder.TrimRight(L"\\");
}

CString CFaxServiceConfig::GetSettingsPath() const
{
    return m_folder + L"\\" + kSettingsFileName;
}

CString CFaxServiceConfig::GetOutboxFolder(const CString& server) const
{
    return m_folder + L"\\" + kOutboxFolderName + L"\\" + server;
}

bool CFaxServiceConfig::IsInstalled() const
{
    return ReadValue(kServiceSection, L"Installed") != L"0";
}

bool CFaxServiceConfig::ResolveServer(const wchar_t* serverName, CString& outboxName) const
{
    CString name(serverName ? serverName : L"");
    CString computer = GetThisComputerName();
    if (name.IsEmpty() || name.CompareNoCase(computer) == 0)
    {
        outboxName = computer;
        return true;
    }
    for (const CString& key : ReadKeyNames(kServersSection))
    {
        if (name.CompareNoCase(key) == 0 && IsValidServerName(key))
        {
            outboxName = key;
            return true;
        }
    }
    return false;
}

bool CFaxServiceConfig::HasSenderDefaults() const
{
    return !ReadKeyNames(kSenderSection).empty();
}

CString CFaxServiceConfig::GetSenderValue(const wchar_t* key) const
{
    return ReadValue(kSenderSection, key);
}

CString CFaxServiceConfig::GetThisComputerName()
{
    // Room beyond the NetBIOS limit, for a system that gives a longer name.
    wchar_t name[256] = L"";
    DWORD length = 256;
    ::GetComputerNameW(name, &length);
    return CString(name);
}

CString CFaxServiceConfig::ReadValue(const wchar_t* section, const wchar_t* key) const
{
    CString value;
    DWORD length =
        GetPrivateProfileStringW(section, key, L"", value.GetBuffer(kValueLength), kValueLength, GetSettingsPath());
    value.ReleaseBuffer(static_cast<int>(length));
    return value;
}

std::vector<CString> CFaxServiceConfig::ReadKeyNames(const wchar_t* section) const
{
    // The names come each ending in a null.
    std::vector<wchar_t> list(kValueLength);
    DWORD length = GetPrivateProfileStringW(section, nullptr, L"", list.data(), kValueLength, GetSettingsPath());
    std::vector<CString> names;
    for (DWORD start = 0; start < length; start += static_cast<DWORD>(names.back().GetLength()) + 1)
        names.emplace_back(&list[start]);
    return names;
}
