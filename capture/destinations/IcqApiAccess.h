#pragma once
// The program's access to the ICQ client's programming interface: one library
// object for the process, loaded on first use, and the set-up call that
// identifies the program to the API.
#include "standins/icq/CIcqApiLibrary.h"

// The process's ICQ API library; calls through it fail while the library is
// missing.
const CIcqApiLibrary& GetIcqApiLibrary();

// Hands the API the program's credentials, then reads the API's version into
// version. True when both succeed; false when the API is not available (the
// library missing or the client not running).
bool InitIcqApi(int* version, const CIcqApiLibrary& api = GetIcqApiLibrary());
