#pragma once
// CAboutDlg: the program's name, version and legal notice, with a link to the maker's page.
#include "framework/CDialog.h"
#include "framework/CStaticLink.h"

class CAboutDlg : public CDialog
{
public:
    static const wchar_t* const kPageAddress;

    CAboutDlg();
    ~CAboutDlg() override;

protected:
    BOOL OnInitDialog() override;

private:
    CStaticLink m_link;
};
