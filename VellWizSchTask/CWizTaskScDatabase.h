#pragma once
// CWizTaskScDatabase: the wizard page of the database destination: the ODBC connection
// (with a test), the table, the image column and the extra columns each picture's row
// gets. Next requires all four.
#include "Info/InfoScDatabase.h"
#include "VellWizSchTask/CWizTaskPage.h"
#include "capture/pages/CDbColumnsListCtrl.h"

class CWizTaskScDatabase : public CWizTaskPage
{
public:
    explicit CWizTaskScDatabase(CWizTaskPropSheet& sheet);

    InfoScDatabase m_record;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool CheckNext() override;

private:
    void UpdateButtons() const;

    CDbColumnsListCtrl m_columns;
};
