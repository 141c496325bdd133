#pragma once
// CEdit: an edit control bound to its object (CWnd), with the edit messages by name.
#include "framework/CEditOps.h"
#include "framework/CWnd.h"

class CEdit : public CWnd, public CEditOps<CEdit>
{
public:
    bool Create(DWORD style, const RECT& rect, HWND parent, UINT id)
    {
        return CreateControl(0, L"EDIT", L"", style, rect, parent, id);
    }
};
