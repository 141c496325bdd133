#pragma once
// CItemList: what list boxes and combo boxes share, a list of texts with a selection and
// a value per item, bound to its object (CWnd). Messages names the control's messages.
// Indexes count from 0; -1 (LB_ERR, CB_ERR) is none.
#include "framework/CString.h"
#include "framework/CWnd.h"

template <class Messages> class CItemList : public CWnd
{
public:
    // The new item's index.
    int AddString(const wchar_t* text) { return SendInt(Messages::kAdd, 0, reinterpret_cast<LPARAM>(text)); }
    int InsertString(int index, const wchar_t* text)
    {
        return SendInt(Messages::kInsert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    }
    // The number of items left.
    int DeleteString(int index) { return SendInt(Messages::kDelete, static_cast<WPARAM>(index)); }
    void ResetContent() { SendInt(Messages::kReset); }
    int GetCount() const { return SendInt(Messages::kCount); }
    int GetCurSel() const { return SendInt(Messages::kGetSel); }
    int SetCurSel(int index) { return SendInt(Messages::kSetSel, static_cast<WPARAM>(index)); }
    // The item of exactly this text (case aside) after the item start; -1 for none.
    int FindStringExact(int start, const wchar_t* text) const
    {
        return SendInt(Messages::kFindExact, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
    }
    CString GetItemText(int index) const
    {
        int length = SendInt(Messages::kTextLength, static_cast<WPARAM>(index));
        CString text;
        if (length <= 0)
            return text;
        int copied = SendInt(Messages::kText, static_cast<WPARAM>(index),
                             reinterpret_cast<LPARAM>(text.GetBuffer(length + 1)));
        text.ReleaseBuffer(copied > 0 ? copied : 0);
        return text;
    }
    DWORD_PTR GetItemData(int index) const
    {
        return static_cast<DWORD_PTR>(SendMessageW(*this, Messages::kGetData, static_cast<WPARAM>(index), 0));
    }
    int SetItemData(int index, DWORD_PTR data)
    {
        return SendInt(Messages::kSetData, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
    }

protected:
    int SendInt(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessageW(*this, message, wParam, lParam));
    }
};
