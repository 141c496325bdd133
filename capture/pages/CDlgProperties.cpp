#include "capture/pages/CDlgProperties.h"

#include "capture/destinations/CaptureTables.h"
#include "capture/pages/CaptureRecordCombine.h"
#include "capture/pages/CaptureUiHelpers.h"
#include "capture/pages/DestinationRecordOps.h"
#include "capture/pages/PagesIds.h"
#include "capture/pages/SheetPlacement.h"
#include "framework/AppModule.h"

CDlgProperties::CDlgProperties(EnumSendParam type, HWND parent) : CDialog(IDD_PROPERTIES, parent), m_type(type) {}

CDlgProperties::~CDlgProperties()
{
    DeleteSendParam(m_result, m_type);
    if (m_icon)
        DestroyIcon(m_icon);
}

SendParam* CDlgProperties::TakeRecord()
{
    SendParam* record = m_result;
    m_result = nullptr;
    return record;
}

BOOL CDlgProperties::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_sheet.ShowPages(m_type, LoadActivePageIndex(m_type, true), false);
    if (m_sheet.Create(*this, WS_CHILD | WS_VISIBLE))
        PlaceWindowAtDlgItem(*this, m_sheet, IDC_PROPERTIES_AREA, true);
    m_icon = LoadIconW(AppGetResourceHandle(), MAKEINTRESOURCEW(GetCaptureTypeIconId(m_type)));
    SendDlgItemMessageW(*this, IDC_PROPERTIES_ICON, STM_SETICON, reinterpret_cast<WPARAM>(m_icon), 0);
    SetDlgItemTextW(*this, IDC_PROPERTIES_NAME, GetCaptureTypeFullName(m_type));
    return TRUE;
}

// The capture runs with the record built here: a number out of its range is refused first.
void CDlgProperties::OnOK()
{
    if (!m_sheet.CheckNumberRanges())
        return;
    DeleteSendParam(m_result, m_type);
    m_result = m_sheet.GetRecord();
    EndDialog(IDOK);
}

int EditCaptureProperties(SendParam& record, HWND parent)
{
    const DestinationRecordOps* ops = GetDestinationRecordOps(record.GetType());
    const int type = record.GetType();
    if (!ops && (type < SP_CBT_RECORDING || type > SP_PRESENTATION_PLAYING))
        return IDCANCEL;
    CDlgProperties dialog(record.GetType(), parent);
    if (dialog.DoModal() != IDOK)
        return IDCANCEL;
    SendParam* edited = dialog.TakeRecord();
    if (!edited)
        return IDCANCEL;
    if (ops)
        ops->assign(record, *edited);
    else
        AssignCaptureRecord(record, *edited);
    DeleteSendParam(edited, type);
    return IDOK;
}
