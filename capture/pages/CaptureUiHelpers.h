#pragma once
// Helpers the property pages and dialogs share: captions and icons of record types,
// combo fillers with the engine's vocabulary, durations in three edits, required texts,
// and e-mail addresses picked from an address source.
#include "Info/InfoEnums.h"
#include "framework/CString.h"

#include <functional>
#include <vector>
#include <windows.h>
#include <commctrl.h>

// The icon resource of a record type; 0 outside 1..25 and for 6.
UINT GetCaptureTypeIconId(int type);
// "Screen Capture - File properties" and so on (settings: the kinds' "... settings").
CString GetCaptureTypeCaption(int type, bool properties);

// The image types 0..4 (only 0 and 1 when bitmapOnly) by their short or long names; the
// index selected.
void FillImageTypeCombo(HWND combo, int index, bool shortNames, bool bitmapOnly);
// "(local)" first, then the network's servers; selects the exact text, else item 0.
void FillNetworkServerCombo(HWND combo, const CString& selected);

// True when the control has text; else tells the user the string and focuses the control.
bool CheckWindowTextNotEmpty(HWND control, UINT messageId);

// Seconds shown as hours, minutes and seconds in three edits, and read back.
void SetDurationEditTexts(int seconds, HWND hours, HWND minutes, HWND secondsEdit);
int GetDurationFromEdits(HWND hours, HWND minutes, HWND seconds);

// The texts of in that begin with "smtp:" or "SMTP:", without those five characters.
void ExtractSmtpAddresses(const std::vector<CString>& in, std::vector<CString>& out);

// Where picked addresses come from: the address book (count: the recipient class, 1 To,
// 2 CC); an empty text when nothing was picked. Tests put a scripted source in place.
using AddressSource = std::function<CString(HWND window, int count)>;
AddressSource SetAddressSource(AddressSource source);
// Picks an address from the source and appends it to the edit's text, after a "," when
// the text is not empty and does not end with one.
void AppendPickedAddress(HWND window, HWND edit, int count);

// Fills a report list with the items of a capture kind (1 screen: its eleven destinations;
// 2..5: recording and playing): name, one-line description, the item's icon index and its
// record type as item data. The number of rows added.
int FillCaptureTypeDescriptionList(HWND list, int kind);
// Adds a row at the end: text in column 0, subText in column 1, image and data as given.
int AddListItemWithSubItem(HWND list, const CString& text, const CString& subText, int image, LPARAM data);
// Appends the icons of the kind's items (with the kind's own icon first when asked) to
// the image list; icons the module lacks are left out.
void LoadCaptureTypeIcons(HIMAGELIST images, int group, bool withGroupIcon);
