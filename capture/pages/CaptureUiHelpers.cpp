#include "capture/pages/CaptureUiHelpers.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/PagesIds.h"
#include "framework/AppMessageBox.h"
#include "framework/AppModule.h"
#include "framework/AppWindowText.h"
#include "framework/CWaitCursor.h"

#include <lm.h>

namespace
{
const wchar_t* const kGroupNames[] = {L"Screen Capture", L"Training Capture", L"Audio Capture", L"Video Capture",
                                      L"Movie Capture"};
const wchar_t* const kDestinationNames[] = {L"File",    L"Graphic Editor", L"Email",     L"ICQ",
                                            L"Printer", L"Fax",            L"Database",  L"Clipboard",
                                            L"Screen Saver", L"Wallpaper", L"Web Server"};

CString FormatCaption(UINT formatId, const wchar_t* group, const wchar_t* item)
{
    CString format, text;
    format.LoadString(formatId);
    text.Format(format, group, item);
    return text;
}

AddressSource& AddressSourceSlot()
{
    // Simple MAPI never starts under the test platform; without MAPI nothing is picked.
    static AddressSource source = [](HWND, int) { return CString(); };
    return source;
}
} // namespace

UINT GetCaptureTypeIconId(int type)
{
    static const UINT kIcons[] = {0,   270, 273, 272, 271, 329, 0,   275, 278, 276, 279, 274, 277,
                                  347, 280, 281, 282, 348, 177, 176, 260, 261, 262, 264, 330, 331};
    return type >= 1 && type <= 25 ? kIcons[type] : 0;
}

CString GetCaptureTypeCaption(int type, bool properties)
{
    if (type >= 1 && type <= 5)
    {
        CString notAvailable;
        notAvailable.LoadString(IDS_PAGE_NOT_AVAILABLE);
        return FormatCaption(properties ? IDS_PAGE_CAPTION_PROPERTIES : IDS_PAGE_CAPTION_SETTINGS,
                             kGroupNames[type - 1], notAvailable);
    }
    if (type >= 7 && type <= 17)
        return FormatCaption(IDS_PAGE_CAPTION_PROPERTIES, kGroupNames[0], kDestinationNames[type - 7]);
    if (type >= 18 && type <= 25)
        return FormatCaption(IDS_PAGE_CAPTION_PROPERTIES, kGroupNames[(type - 18) / 2 + 1],
                             type % 2 == 0 ? L"Recording" : L"Playing");
    return CString();
}

void FillImageTypeCombo(HWND combo, int index, bool shortNames, bool bitmapOnly)
{
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    const int count = bitmapOnly ? 2 : 5;
    for (int type = 0; type < count; ++type)
        SendMessageW(combo, CB_INSERTSTRING, static_cast<WPARAM>(type),
                     reinterpret_cast<LPARAM>(GetImageTypeName(type, shortNames).GetString()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void FillNetworkServerCombo(HWND combo, const CString& selected)
{
    CWaitCursor wait;
    BYTE* buffer = nullptr;
    DWORD read = 0, total = 0;
    NET_API_STATUS status =
        NetServerEnum(nullptr, 101, &buffer, MAX_PREFERRED_LENGTH, &read, &total, SV_TYPE_SERVER, nullptr, nullptr);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    if ((status == NERR_Success || status == ERROR_MORE_DATA) && buffer)
    {
        auto* servers = reinterpret_cast<SERVER_INFO_101*>(buffer);
        for (DWORD i = 0; i < read; ++i)
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(servers[i].sv101_name));
    }
    if (buffer)
        NetApiBufferFree(buffer);
    SendMessageW(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"(local)"));
    if (SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(selected.GetString())) ==
        CB_ERR)
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

bool CheckWindowTextNotEmpty(HWND control, UINT messageId)
{
    if (GetWindowTextLengthW(control) > 0)
        return true;
    AppMessageBox(messageId, MB_OK | MB_ICONEXCLAMATION, GetParent(control));
    SetFocus(control);
    return false;
}

void SetDurationEditTexts(int seconds, HWND hours, HWND minutes, HWND secondsEdit)
{
    const int parts[] = {seconds / 3600, (seconds % 3600) / 60, seconds % 60};
    HWND edits[] = {hours, minutes, secondsEdit};
    for (int i = 0; i < 3; ++i)
        SetWindowTextW(edits[i], std::to_wstring(parts[i]).c_str());
}

int GetDurationFromEdits(HWND hours, HWND minutes, HWND seconds)
{
    auto value = [](HWND edit) { return _wtoi(AppGetWindowText(edit)); };
    return (value(hours) * 60 + value(minutes)) * 60 + value(seconds);
}

void ExtractSmtpAddresses(const std::vector<CString>& in, std::vector<CString>& out)
{
    out.clear();
    for (const CString& text : in)
        if (text.Left(5) == L"smtp:" || text.Left(5) == L"SMTP:")
            out.push_back(text.Mid(5));
}

AddressSource SetAddressSource(AddressSource source)
{
    AddressSource previous = std::move(AddressSourceSlot());
    AddressSourceSlot() = std::move(source);
    return previous;
}

void AppendPickedAddress(HWND window, HWND edit, int count)
{
    CString picked = AddressSourceSlot()(window, count);
    if (picked.IsEmpty())
        return;
    CString text = AppGetWindowText(edit);
    if (!text.IsEmpty() && text.Right(1) != L",")
        text += L",";
    text += picked;
    SetWindowTextW(edit, text);
}

namespace
{
struct TypeRow
{
    const wchar_t* name;
    const wchar_t* description;
};
// The destination rows in the order the list shows them, with their record types.
const struct
{
    TypeRow row;
    int type;
} kDestinationRows[] = {
    {{L"Clipboard", L"Store the screen capture image to the clipboard"}, 14},
    {{L"Database", L"Store the screen capture image to a database"}, 13},
    {{L"Email", L"Send the screen capture image to an email address"}, 9},
    {{L"Fax", L"Send the screen capture image to a fax recipient"}, 12},
    {{L"File", L"Store the screen capture image to disk file"}, 7},
    {{L"Graphic Editor", L"Display the screen capture image on a graphic editor"}, 8},
    {{L"ICQ", L"Send the screen capture image to an ICQ user"}, 10},
    {{L"Printer", L"Send the screen capture image to a printer"}, 11},
    {{L"Screen Saver", L"Store the screen capture image to disk file used by Vellumor's screen saver"}, 15},
    {{L"Wallpaper", L"Display the screen capture image to the desktop"}, 16},
    {{L"Web Server", L"Send the screen capture image to a web server"}, 17},
};
const TypeRow kRecordingRow = {L"Recording", L"Recording operation for the selected capture type"};
const TypeRow kPlayingRow = {L"Playing", L"Playing operation for the selected capture type"};
// The group icon, then the items' icons, of each capture kind.
const UINT kDestinationIcons[] = {280, 347, 276, 277, 275, 278, 279, 274, 281, 282, 348};
const UINT kKindIcons[][3] = {{273, 177, 176}, {272, 260, 261}, {271, 262, 264}, {329, 330, 331}};

void AddIcon(HIMAGELIST images, UINT id)
{
    if (HICON icon = LoadIconW(AppGetResourceHandle(), MAKEINTRESOURCEW(id)))
    {
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
}
} // namespace

int AddListItemWithSubItem(HWND list, const CString& text, const CString& subText, int image, LPARAM data)
{
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<wchar_t*>(text.GetString());
    item.iImage = image;
    item.lParam = data;
    int row = ListView_InsertItem(list, &item);
    if (row >= 0)
        ListView_SetItemText(list, row, 1, const_cast<wchar_t*>(subText.GetString()));
    return row;
}

int FillCaptureTypeDescriptionList(HWND list, int kind)
{
    if (kind == 1)
    {
        int image = 0;
        for (const auto& destination : kDestinationRows)
            AddListItemWithSubItem(list, destination.row.name, destination.row.description, image++,
                                   destination.type);
        return image;
    }
    if (kind < 2 || kind > 5)
        return 0;
    const int recording = 18 + (kind - 2) * 2;
    AddListItemWithSubItem(list, kRecordingRow.name, kRecordingRow.description, 0, recording);
    AddListItemWithSubItem(list, kPlayingRow.name, kPlayingRow.description, 1, recording + 1);
    return 2;
}

void LoadCaptureTypeIcons(HIMAGELIST images, int group, bool withGroupIcon)
{
    if (group == 0)
    {
        for (UINT id : {270u, 273u, 272u, 271u, 329u})
            AddIcon(images, id);
        return;
    }
    if (withGroupIcon)
        AddIcon(images, group == 1 ? 270 : (group <= 5 ? kKindIcons[group - 2][0] : 0));
    if (group == 1)
        for (UINT id : kDestinationIcons)
            AddIcon(images, id);
    else if (group >= 2 && group <= 5)
        for (int i = 1; i < 3; ++i)
            AddIcon(images, kKindIcons[group - 2][i]);
}
