#include "capture/destinations/IcqApiAccess.h"

namespace
{
// The program's licence for the ICQ API.
const char kLicenseName[] = "Talvono Vellumor";
const char kLicensePassword[] = "";
const char kLicenseKey[] = "TLV-VELL-1107";
} // namespace

const CIcqApiLibrary& GetIcqApiLibrary()
{
    static const CIcqApiLibrary library;
    return library;
}

bool InitIcqApi(int* version, const CIcqApiLibrary& api)
{
    return api.ICQAPICall_SetLicenseKey(kLicenseName, kLicensePassword, kLicenseKey) &&
           api.ICQAPICall_GetVersion(version);
}
