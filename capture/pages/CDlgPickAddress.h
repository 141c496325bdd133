#pragma once
// CDlgPickAddress: "Pick Email Address": the user of several e-mail addresses picks one
// from a sorted list. With two or more addresses the one that sorts second is selected at
// first; a single address is selected as it is.
#include "framework/CDialog.h"

#include <vector>

class CDlgPickAddress : public CDialog
{
public:
    // addresses: the list shown; the caller keeps it alive while the dialog runs.
    explicit CDlgPickAddress(const std::vector<CString>& addresses, HWND parent = nullptr);

    // The address chosen on OK; empty before.
    const CString& GetChosenAddress() const { return m_chosen; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    const std::vector<CString>& m_addresses;
    CString m_chosen;
};
