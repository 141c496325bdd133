#include "framework/AfxParseURL.h"

#include <cwctype>

namespace
{
DWORD ServiceOfScheme(INTERNET_SCHEME scheme)
{
    switch (scheme)
    {
    case INTERNET_SCHEME_FTP:
        return AFX_INET_SERVICE_FTP;
    case INTERNET_SCHEME_HTTP:
        return AFX_INET_SERVICE_HTTP;
    case INTERNET_SCHEME_HTTPS:
        return AFX_INET_SERVICE_HTTPS;
    case INTERNET_SCHEME_GOPHER:
        return AFX_INET_SERVICE_GOPHER;
    case INTERNET_SCHEME_FILE:
        return AFX_INET_SERVICE_FILE;
    default:
        return AFX_INET_SERVICE_UNK;
    }
}

bool IsHostName(const std::wstring& host)
{
    if (host.empty())
        return false;
    for (wchar_t c : host)
        if (!std::iswalnum(c) && c != L'-' && c != L'_' && c != L'.')
            return false;
    return true;
}
} // namespace

bool AfxParseURL(const wchar_t* url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port)
{
    serviceType = AFX_INET_SERVICE_UNK;
    if (!url || !*url)
        return false;
    wchar_t host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
    wchar_t path[INTERNET_MAX_PATH_LENGTH] = {};
    wchar_t extra[INTERNET_MAX_PATH_LENGTH] = {};
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = INTERNET_MAX_HOST_NAME_LENGTH;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = INTERNET_MAX_PATH_LENGTH;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = INTERNET_MAX_PATH_LENGTH;
    if (!InternetCrackUrlW(url, 0, 0, &parts))
        return false;
    DWORD service = ServiceOfScheme(parts.nScheme);
    if (service == AFX_INET_SERVICE_UNK || (service != AFX_INET_SERVICE_FILE && !IsHostName(host)))
        return false;
    serviceType = service;
    server = host;
    object = CString(path) + extra;
    if (object.IsEmpty())
        object = L"/";
    port = parts.nPort;
    return true;
}

bool AfxIsParsableURL(const CString& url)
{
    DWORD service = 0;
    CString server, object;
    INTERNET_PORT port = 0;
    return AfxParseURL(url, service, server, object, port);
}
