#include "standins/icq/CIcqClientConfig.h"
#include "standins/icq/IcqApi.h"
#include <shlobj.h>
#include <cwchar>

namespace
{
const wchar_t kContactsFileName[] = L"Contacts.ini";
const wchar_t kUserSectionPrefix[] = L"User ";
const DWORD kValueLength = 32767;

// The user number of a section name "User <digits>", or 0.
int ParseUserSection(const CString& section)
{
    const int prefixLength = static_cast<int>(wcslen(kUserSectionPrefix));
    if (section.Left(prefixLength).CompareNoCase(kUserSectionPrefix) != 0)
        return 0;
    CString digits = section.Mid(prefixLength);
    if (digits.IsEmpty() || digits.GetLength() > 9 ||
        wcsspn(digits, L"0123456789") != static_cast<size_t>(digits.GetLength()))
        return 0;
    return static_cast<int>(wcstol(digits, nullptr, 10));
}
} // namespace

CIcqClientConfig::CIcqClientConfig()
{
    wchar_t folder[MAX_PATH] = L"";
    DWORD length = GetEnvironmentVariableW(kIcqClientFolderVariable, folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        m_folder = folder;
    else if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        m_folder = CString(folder) + L"\\Talvono Software\\Vellumor\\IcqClient";
    m_folder.TrimRight(L"\\");
    Load();
}

CString CIcqClientConfig::GetContactsPath() const
{
    return m_folder + L"\\" + kContactsFileName;
}

CString CIcqClientConfig::GetFilesFolder(int uin) const
{
    CString folder;
    folder.Format(L"%s\\Files\\%d", m_folder.GetString(), uin);
    return folder;
}

const CIcqClientConfig::Contact* CIcqClientConfig::Find(int uin) const
{
    for (const Contact& contact : m_contacts)
    {
        if (contact.uin == uin)
            return &contact;
    }
    return nullptr;
}

std::vector<const CIcqClientConfig::Contact*> CIcqClientConfig::GetOnlineList() const
{
    std::vector<const Contact*> online;
    for (const Contact& contact : m_contacts)
    {
        if (contact.online)
            online.push_back(&contact);
    }
    return online;
}

std::vector<CIcqClientConfig::Group> CIcqClientConfig::GetGroups() const
{
    std::vector<Group> groups;
    for (const Contact* contact : GetOnlineList())
    {
        if (contact->group.IsEmpty())
            continue;
        auto group = groups.begin();
        while (group != groups.end() && group->first.CompareNoCase(contact->group) != 0)
            ++group;
        if (group == groups.end())
            group = groups.insert(groups.end(), Group(contact->group, {}));
        group->second.push_back(contact);
    }
    return groups;
}

int CIcqClientConfig::ParseAddress(const CString& address)
{
    unsigned parts[4] = {};
    wchar_t rest = 0;
    if (swscanf(address, L"%u.%u.%u.%u%lc", &parts[0], &parts[1], &parts[2], &parts[3], &rest) != 4)
        return 0;
    unsigned value = 0;
    for (unsigned part : parts)
    {
        if (part > 255)
            return 0;
        value = (value << 8) | part;
    }
    return static_cast<int>(value);
}

void CIcqClientConfig::Load()
{
    m_running = ReadValue(L"Client", L"Running") != L"0";
    std::vector<wchar_t> names(kValueLength);
    DWORD length = GetPrivateProfileSectionNamesW(names.data(), kValueLength, GetContactsPath());
    for (DWORD start = 0; start < length; start += static_cast<DWORD>(wcslen(&names[start])) + 1)
    {
        CString section(&names[start]);
        Contact contact;
        contact.uin = ParseUserSection(section);
        if (contact.uin <= 0 || Find(contact.uin))
            continue;
        contact.nickname = ReadValue(section, L"Nickname");
        contact.firstName = ReadValue(section, L"FirstName");
        contact.lastName = ReadValue(section, L"LastName");
        contact.email = ReadValue(section, L"Email");
        contact.ip = ParseAddress(ReadValue(section, L"IP"));
        contact.online = ReadValue(section, L"Online", L"1") != L"0";
        contact.group = ReadValue(section, L"Group");
        m_contacts.push_back(contact);
    }
}

CString CIcqClientConfig::ReadValue(const wchar_t* section, const wchar_t* key, const wchar_t* fallback) const
{
    CString value;
    DWORD length = GetPrivateProfileStringW(section, key, fallback, value.GetBuffer(kValueLength), kValueLength,
                                            GetContactsPath());
    value.ReleaseBuffer(static_cast<int>(length));
    return value;
}
