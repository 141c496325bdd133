#pragma once
// CDlgProperties: the modal "Properties" dialog a capture shows first when the record's
// show-dialog flag is on: the pages of one record type in a child sheet. OK builds a new
// record from the pages (without their checks); the live record and the registry stay as
// they were. Cancel leaves no record.
#include "capture/pages/CPSheetCaptureProperties.h"
#include "framework/CDialog.h"

class CDlgProperties : public CDialog
{
public:
    CDlgProperties(EnumSendParam type, HWND parent = nullptr);
    ~CDlgProperties() override;

    // The record built on OK, now the caller's; null after Cancel.
    SendParam* TakeRecord();
    CPSheetCaptureProperties& GetSheet() { return m_sheet; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    EnumSendParam m_type;
    CPSheetCaptureProperties m_sheet;
    SendParam* m_result = nullptr;
    HICON m_icon = nullptr;
};

// Runs the dialog for the record's type; on OK the record takes the pages' values and the
// result is IDOK; otherwise the record is unchanged.
int EditCaptureProperties(SendParam& record, HWND parent);
