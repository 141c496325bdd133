#include "capture/audio/AudioComboHelpers.h"

namespace
{
int ItemCount(HWND combo)
{
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

CString ItemText(HWND combo, int index)
{
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return CString();
    CString text;
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(static_cast<int>(length) + 1)));
    text.ReleaseBuffer();
    return text;
}

// Selects item 0, then the first item that matches; false as SelectComboItemByData says.
template <class Matches> bool SelectFirstMatch(HWND combo, const CString& text, Matches matches)
{
    if (!combo || text.IsEmpty() || ItemCount(combo) == 0)
        return false;
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    for (int index = 0; index < ItemCount(combo); ++index)
    {
        if (matches(index))
        {
            SendMessageW(combo, CB_SETCURSEL, index, 0);
            return true;
        }
    }
    return false;
}
} // namespace

CString GetComboItemData(HWND combo, int index)
{
    const LRESULT data = SendMessageW(combo, CB_GETITEMDATA, index, 0);
    if (data == CB_ERR || data == 0)
        return CString();
    return *reinterpret_cast<const CString*>(data);
}

bool SelectComboItemByData(HWND combo, const CString& text)
{
    return SelectFirstMatch(combo, text, [&](int index) { return GetComboItemData(combo, index) == text; });
}

bool SelectComboItemByText(HWND combo, const CString& text)
{
    return SelectFirstMatch(combo, text, [&](int index) { return ItemText(combo, index).CompareNoCase(text) == 0; });
}

CString GetComboSelectedData(HWND combo)
{
    const int selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return selected == CB_ERR ? CString() : GetComboItemData(combo, selected);
}

CString GetComboSelectedText(HWND combo)
{
    const int selected = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    return selected == CB_ERR ? CString() : ItemText(combo, selected);
}

void EmptyDataStringCombo(HWND combo)
{
    for (int index = 0; index < ItemCount(combo); ++index)
        delete reinterpret_cast<CString*>(SendMessageW(combo, CB_GETITEMDATA, index, 0));
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
}
