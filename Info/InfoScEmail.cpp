#include "Info/InfoScEmail.h"
#include "Info/RegistryValues.h"
#include "common/CRegistry.h"

#include <vector>

InfoScEmail::InfoScEmail()
    : InfoScEmail(L"", L"", L"", L"", L"Image created by Vellumor", L"", true, FT_BMP, true, 0, 1)
{
}

InfoScEmail::InfoScEmail(const CString& server, const CString& from, const CString& to, const CString& cc,
                         const CString& subject, const CString& body, bool attached, EnumFileType fType, bool display,
                         int duration, int frequence)
    : Server(server), From(from), To(to), CC(cc), Subject(subject), Body(body), Attached(attached), FType(fType),
      Display(display), Duration(duration), Frequence(frequence)
{
}

InfoScEmail::InfoScEmail(const InfoScEmail& other) = default;
InfoScEmail& InfoScEmail::operator=(const InfoScEmail& other) = default;
InfoScEmail::~InfoScEmail() = default;

bool InfoScEmail::operator==(const InfoScEmail& o) const
{
    return Server == o.Server && From == o.From && To == o.To && CC == o.CC && Subject == o.Subject && Body == o.Body &&
           Attached == o.Attached && FType == o.FType && Display == o.Display && Duration == o.Duration &&
           Frequence == o.Frequence;
}

namespace
{
// The text with its environment variables ("%SystemDrive%") replaced by their values;
// the web server stores its root that way.
CString ExpandVariables(const CString& text)
{
    DWORD size = ExpandEnvironmentStringsW(text, nullptr, 0);
    if (size == 0)
        return text;
    std::vector<wchar_t> expanded(size);
    return ExpandEnvironmentStringsW(text, expanded.data(), size) ? CString(expanded.data()) : text;
}
} // namespace

CString InfoScEmail::GetIISRootImageDirectory()
{
    CRegistry registry;
    CString error, root;
    if (!registry.OpenReadOnly(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\InetStp", error) ||
        !registry.GetString(L"PathWWWRoot", root, error) || root.IsEmpty())
        return CString();
    return ExpandVariables(root) + L"\\Images";
}

bool InfoScEmail::IsIISInstalled()
{
    return !GetIISRootImageDirectory().IsEmpty();
}

RegistryValues InfoScEmail::Values()
{
    RegistryValues values(L"ScreenCapture\\Email");
    values.Add(L"Server", Server, {4})
        .Add(L"From", From, {4})
        .Add(L"To", To, {4})
        .Add(L"CC", CC, {4})
        .Add(L"Subject", Subject, {5})
        .Add(L"Body", Body, {5})
        .Add(L"Attached", Attached, {5})
        .Add(L"FType", FType, {5})
        .Add(L"Display", Display, {1})
        .Add(L"Duration", Duration, {3})
        .Add(L"Frequence", Frequence, {3});
    return values;
}

bool InfoScEmail::LoadFromRegistry()
{
    if (!Values().Load())
        return false;
    // Without a local web server there is nothing to link to: the image must be attached.
    if (!Attached && !IsIISInstalled())
        Attached = true;
    return true;
}

bool InfoScEmail::SaveToRegistry(unsigned int part)
{
    return Values().Save(part);
}
