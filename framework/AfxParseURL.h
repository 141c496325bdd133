#pragma once
// AfxParseURL: an internet address split into its service, server, object and port.
// The address must carry a known scheme ("ftp://", "http://", ...) and a server name of
// letters, digits, '-', '_' and '.' only; the object is "/" when the address names none,
// and the port is the scheme's default when it gives none.
#include "framework/CString.h"

#include <windows.h>
#include <wininet.h>

const DWORD AFX_INET_SERVICE_UNK = 0x1000;
const DWORD AFX_INET_SERVICE_FTP = INTERNET_SERVICE_FTP;
const DWORD AFX_INET_SERVICE_GOPHER = INTERNET_SERVICE_GOPHER;
const DWORD AFX_INET_SERVICE_HTTP = INTERNET_SERVICE_HTTP;
const DWORD AFX_INET_SERVICE_HTTPS = 0x1001;
const DWORD AFX_INET_SERVICE_FILE = 0x1002;

// False (and the outputs unchanged but the service, which becomes UNK) when the
// address cannot be parsed.
bool AfxParseURL(const wchar_t* url, DWORD& serviceType, CString& server, CString& object, INTERNET_PORT& port);

// True when the address parses (AfxParseURL without its parts).
bool AfxIsParsableURL(const CString& url);
