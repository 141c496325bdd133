#pragma once
// CButton: a push button, check box or radio button bound to its object (CWnd).
#include "framework/CWnd.h"

class CButton : public CWnd
{
public:
    bool Create(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, L"BUTTON", text, style, rect, parent, id);
    }
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return static_cast<int>(SendMessageW(*this, BM_GETCHECK, 0, 0)); }
    void SetCheck(int check) { SendMessageW(*this, BM_SETCHECK, static_cast<WPARAM>(check), 0); }
    // Clicks the button as the user does: the parent gets BN_CLICKED.
    void Click() { SendMessageW(*this, BM_CLICK, 0, 0); }
};
