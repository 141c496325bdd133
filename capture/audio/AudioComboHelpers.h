#pragma once
// Selecting and reading combo box items of the audio pages. An item's "data string" is
// the CString whose address the item holds as its data (FillAudioFormatCombo's items).
#include "framework/CString.h"
#include <windows.h>

// Selects item 0, then the first item whose data string equals text (case counts);
// false when the combo or text is empty or no item matched.
bool SelectComboItemByData(HWND combo, const CString& text);
// The same on the items' texts, case ignored.
bool SelectComboItemByText(HWND combo, const CString& text);
// The selected item's data string or text; empty when nothing is selected.
CString GetComboSelectedData(HWND combo);
CString GetComboSelectedText(HWND combo);
// The data string of item index; empty when it has none.
CString GetComboItemData(HWND combo, int index);
// Empties the combo, freeing the data strings of its items.
void EmptyDataStringCombo(HWND combo);
