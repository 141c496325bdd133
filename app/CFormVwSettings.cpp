#include "app/CFormVwSettings.h"

#include "app/AppIds.h"
#include "app/SheetPlacement.h"
#include "capture/controller/CLocalController.h"
#include "capture/controller/CMenuActions.h"

CFormVwSettings::CFormVwSettings(std::unique_ptr<ICaptureSettingsSheet> sheet)
    : CFormView(IDD_FORM_SETTINGS), m_sheet(std::move(sheet))
{
}

CFormVwSettings::~CFormVwSettings() = default;

void CFormVwSettings::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (!m_sheet || !m_sheet->Create(GetSafeHwnd(), AppFrameControlRect(GetSafeHwnd(), IDC_SETTINGS_FRAME)))
    {
        m_sheet.reset();
        AppShowSheetMissing(GetSafeHwnd(), IDC_SETTINGS_FRAME, L"The settings pages");
    }
}

bool CFormVwSettings::ShowRecordType(int recordType, int pageHint, bool force)
{
    if (!force && recordType == m_recordType)
        return true;
    if (m_sheet)
        m_sheet->ShowPages(recordType, pageHint);
    m_recordType = recordType;
    return true;
}

void CFormVwSettings::UpdateTimePage(int captureType, bool running)
{
    if (m_sheet)
        m_sheet->UpdateTimePage(captureType, running);
}

void CFormVwSettings::ResetTimePage(int captureType)
{
    if (m_sheet)
        m_sheet->ResetTimePage(captureType);
}

LRESULT CFormVwSettings::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = CFormView::WindowProc(message, wParam, lParam);
    if (message == WM_RBUTTONDOWN)
        if (CLocalController* controller = GetLocalController())
            CMenuActions(CMenuActions::kView, *controller).Show(controller->GetCaptureType());
    return result;
}
