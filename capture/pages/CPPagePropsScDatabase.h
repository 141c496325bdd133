#pragma once
// CPPagePropsScDatabase: the database destination's page: the ODBC connection string, the
// table, the image column and the extra columns each picture's row gets, with a test of
// the connection and the extra-column editor.
#include "capture/pages/CDbColumnsListCtrl.h"
#include "capture/pages/CPPagePropsScBase.h"

class CPPagePropsScDatabase : public CPPagePropsScBase
{
public:
    CPPagePropsScDatabase();

    CDbColumnsListCtrl& GetColumnsList() { return m_columns; }
    // Opens the ODBC connection without a prompt and closes it again, under the wait
    // cursor: the text that tells the user how it went.
    static CString TestConnectionText(const CString& connection);

protected:
    void InitControls() override;
    void RecordToControls() override;
    void ReadControls() override;
    bool Check() override;
    bool OnCommand(UINT code, UINT id, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

private:
    void TestConnection();
    void EditColumn(bool add);
    void UpdateButtons();

    CDbColumnsListCtrl m_columns;
};
