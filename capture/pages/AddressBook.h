#pragma once
// Addresses picked from the system's address book (MAPI): the recipients the user chooses,
// each reduced to one SMTP address.
#include "framework/CString.h"

#include <vector>
#include <windows.h>

// The addresses chosen in the address book's dialog for the recipient class count (1 To,
// 2 CC), joined by ","; empty when MAPI is absent or does not start, and when the user
// cancels. A failure of the address book is shown to the user.
CString PickAddressesFromAddressBook(HWND window, int count);
// The SMTP address among a recipient's addresses: the only one, or the one the user picks
// in "Pick Email Address"; empty when there is none or the user cancels.
CString PickSmtpAddress(HWND window, const std::vector<CString>& addresses);
