#include "capture/pages/AddressBook.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/CDlgPickAddress.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "common/ProcAddress.h"
#include "framework/AppMessageBox.h"

#include <mapi.h>

namespace
{
using MapiInitialize = HRESULT(WINAPI*)(void*);
using MapiUninitialize = void(WINAPI*)();
using MapiFreeBuffer = ULONG(WINAPI*)(void*);

// The address book's entries of MAPI32.DLL, loaded for one use.
struct MapiLibrary
{
    MapiLibrary() : module(LoadLibraryW(L"MAPI32.DLL"))
    {
        if (!module)
            return;
        initialize = GetProcAddressAs<MapiInitialize>(module, "MAPIInitialize");
        uninitialize = GetProcAddressAs<MapiUninitialize>(module, "MAPIUninitialize");
        address = GetProcAddressAs<LPMAPIADDRESS>(module, "MAPIAddress");
        freeBuffer = GetProcAddressAs<MapiFreeBuffer>(module, "MAPIFreeBuffer");
        started = initialize && uninitialize && address && freeBuffer && SUCCEEDED(initialize(nullptr));
    }
    ~MapiLibrary()
    {
        if (started)
            uninitialize();
        if (module)
            FreeLibrary(module);
    }
    MapiLibrary(const MapiLibrary&) = delete;
    MapiLibrary& operator=(const MapiLibrary&) = delete;

    HMODULE module;
    MapiInitialize initialize = nullptr;
    MapiUninitialize uninitialize = nullptr;
    LPMAPIADDRESS address = nullptr;
    MapiFreeBuffer freeBuffer = nullptr;
    bool started = false;
};
} // namespace

CString PickSmtpAddress(HWND window, const std::vector<CString>& addresses)
{
    std::vector<CString> smtp;
    ExtractSmtpAddresses(addresses, smtp);
    if (smtp.size() <= 1)
        return smtp.empty() ? CString() : smtp.front();
    CDlgPickAddress dialog(smtp, window);
    return dialog.DoModal() == IDOK ? dialog.GetChosenAddress() : CString();
}

CString PickAddressesFromAddressBook(HWND window, int count)
{
    if (!IsMapiPresent())
        return CString();
    MapiLibrary mapi;
    if (!mapi.started)
        return CString();
    char caption[] = "Default Address Book";
    char label[] = "To";
    ULONG chosenCount = 0;
    lpMapiRecipDesc chosen = nullptr;
    const ULONG status = mapi.address(0, reinterpret_cast<ULONG_PTR>(window), caption, 1, count == 2 ? nullptr : label,
                                      0, nullptr, MAPI_LOGON_UI, 0, &chosenCount, &chosen);
    CString picked;
    if (status == SUCCESS_SUCCESS)
    {
        // Several recipients come back as one list, separated as the address fields are.
        for (ULONG i = 0; i < chosenCount; ++i)
        {
            CString address = PickSmtpAddress(window, {CString(chosen[i].lpszAddress ? chosen[i].lpszAddress : "")});
            if (address.IsEmpty())
                continue;
            if (!picked.IsEmpty())
                picked += L",";
            picked += address;
        }
        mapi.freeBuffer(chosen);
    }
    else if (status != MAPI_USER_ABORT)
    {
        CString text;
        text.Format(L"An error occurred displaying the common address book.  You will have to type in the address "
                    L"manually. Error: %lu",
                    status);
        AppMessageBox(text, MB_OK | MB_ICONINFORMATION, window);
    }
    return picked;
}
